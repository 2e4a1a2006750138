#include "platform/UdevHidMonitor.h"
#include "platform/LogCategories.h"

#include <QDebug>
#include <QFile>
#include <QSocketNotifier>

#include <libudev.h>

namespace {

// HID_ID of the hid parent: "bus:vendor:product" in hex, for example "0003:0000248A:0000FA02".
void readHidId(const char *value, HidrawNode &node)
{
    const QList<QByteArray> parts = QByteArray(value).split(':');
    if (parts.size() != 3)
        return;
    node.vendorId = quint16(parts.at(1).toUInt(nullptr, 16));
    node.productId = quint16(parts.at(2).toUInt(nullptr, 16));
}

} // namespace

UdevHidMonitor::UdevHidMonitor(QObject *parent)
    : DeviceNoticeSource(parent)
    , m_udev(udev_new())
{
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qCDebug(lcPlatform, "No hot-plug notices: the udev monitor could not be started.");
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevHidMonitor::readEvent);
    rememberPresentNodes();
}

UdevHidMonitor::~UdevHidMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

HidrawNode UdevHidMonitor::classify(udev_device *device)
{
    HidrawNode node;
    node.devnode = udev_device_get_devnode(device);
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    if (!hid)
        return node;
    if (const char *hidId = udev_device_get_property_value(hid, "HID_ID"))
        readHidId(hidId, node);
    QFile descriptor(QString::fromLocal8Bit(udev_device_get_syspath(hid))
                     + QStringLiteral("/report_descriptor"));
    if (descriptor.open(QIODevice::ReadOnly))
        node.collections = topLevelCollections(descriptor.read(4096));
    if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
        if (const char *release = udev_device_get_sysattr_value(usb, "bcdDevice"))
            node.releaseNumber = quint16(QByteArray(release).trimmed().toUInt(nullptr, 16));
    }
    if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface")) {
        if (const char *number = udev_device_get_sysattr_value(usb, "bInterfaceNumber"))
            node.interfaceNumber = int(QByteArray(number).trimmed().toUInt(nullptr, 16));
    }
    return node;
}

void UdevHidMonitor::forEachHidrawNode(udev *context, const std::function<void(udev_device *device)> &visit)
{
    udev_enumerate *enumerate = context ? udev_enumerate_new(context) : nullptr;
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        udev_device *device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        if (!device)
            continue;
        if (udev_device_get_devnode(device))
            visit(device);
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
}

void UdevHidMonitor::rememberPresentNodes()
{
    forEachHidrawNode(m_udev, [this](udev_device *device) {
        const HidrawNode node = classify(device);
        m_nodes.insert(node.devnode, node);
    });
}

void UdevHidMonitor::readEvent()
{
    udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const QByteArray action = udev_device_get_action(device);
    const QByteArray devnode = udev_device_get_devnode(device);
    HidrawNode node;
    bool arrived = false;
    if (action == "add" && !devnode.isEmpty()) {
        node = classify(device);
        m_nodes.insert(devnode, node);
        arrived = true;
    } else if (action == "remove") {
        node = m_nodes.take(devnode);
    }
    udev_device_unref(device);
    for (const QString &name : HidrawPath::interfaceNames(node))
        emit deviceChanged(name, arrived);
}
