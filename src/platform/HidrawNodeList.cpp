#include "platform/HidrawNodeList.h"

#include "platform/UdevHidMonitor.h"

#include <QRegularExpression>

#include <algorithm>

#include <libudev.h>

namespace {

QByteArray sysattr(udev_device *device, const char *name)
{
    const char *value = device ? udev_device_get_sysattr_value(device, name) : nullptr;
    return value ? QByteArray(value).trimmed() : QByteArray();
}

QString property(udev_device *device, const char *name)
{
    const char *value = device ? udev_device_get_property_value(device, name) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

int nodeNumber(const QByteArray &kernelName)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch match = digits.match(QString::fromLatin1(kernelName));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

HidrawNodeDetails detailsOf(udev_device *device)
{
    HidrawNodeDetails details;
    details.node = UdevHidMonitor::classify(device);
    details.kernelName = udev_device_get_sysname(device);
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    details.name = property(hid, "HID_NAME");
    details.bus = property(hid, "HID_ID").section(QLatin1Char(':'), 0, 0).toInt(nullptr, 16);
    udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    details.usbVendorAttribute = sysattr(usb, "idVendor");
    details.usbProductAttribute = sysattr(usb, "idProduct");
    details.serial = QString::fromUtf8(sysattr(usb, "serial"));
    if (details.serial.isEmpty())
        details.serial = property(hid, "HID_UNIQ");
    udev_list_entry *tag = nullptr;
    udev_list_entry_foreach(tag, udev_device_get_tags_list_entry(device))
    {
        details.tags << QString::fromUtf8(udev_list_entry_get_name(tag));
    }
    return details;
}

} // namespace

QVector<HidrawNodeDetails> listHidrawNodes()
{
    QVector<HidrawNodeDetails> nodes;
    udev *context = udev_new();
    if (!context)
        return nodes;
    UdevHidMonitor::forEachHidrawNode(context, [&nodes](udev_device *device) { nodes.append(detailsOf(device)); });
    udev_unref(context);
    std::sort(nodes.begin(), nodes.end(), [](const HidrawNodeDetails &a, const HidrawNodeDetails &b) {
        return nodeNumber(a.kernelName) < nodeNumber(b.kernelName);
    });
    return nodes;
}
