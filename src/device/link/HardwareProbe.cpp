#include "device/link/HardwareProbe.h"

#include "device/link/AccessAdvice.h"
#include "device/link/DeviceLink.h"
#include "device/link/DeviceTable.h"
#include "storage/AppSettings.h"
#include "storage/Product.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const GroupNames[2] = { "receiver", "cable" };

QString hex4(quint32 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString ids(quint16 vendorId, quint16 productId)
{
    return hex4(vendorId) + QLatin1Char(':') + hex4(productId);
}

QString usageName(quint16 page, quint16 usage)
{
    if (page == 0x01) {
        switch (usage) {
        case 0x00:
            return QStringLiteral("no usage");
        case 0x01:
            return QStringLiteral("pointer");
        case 0x02:
            return QStringLiteral("mouse");
        case 0x04:
            return QStringLiteral("joystick");
        case 0x05:
            return QStringLiteral("gamepad");
        case 0x06:
            return QStringLiteral("keyboard");
        case 0x80:
            return QStringLiteral("system control");
        default:
            return QString();
        }
    }
    if (page == 0x0C && usage == 0x01)
        return QStringLiteral("consumer control");
    if (page >= 0xFF00)
        return QStringLiteral("vendor defined");
    return QString();
}

QString collectionLine(int index, const HidCollectionInfo &collection)
{
    QString line = QStringLiteral("collection %1: usage page 0x%2, usage 0x%3")
                       .arg(index)
                       .arg(hex4(collection.usagePage), hex4(collection.usage));
    const QString name = usageName(collection.usagePage, collection.usage);
    if (!name.isEmpty())
        line += QStringLiteral(" (%1)").arg(name);
    for (const HidReportSize &report : collection.reports) {
        QStringList sizes;
        if (report.inputBits)
            sizes << QStringLiteral("input %1").arg(hidReportBytes(report.id, report.inputBits));
        if (report.outputBits)
            sizes << QStringLiteral("output %1").arg(hidReportBytes(report.id, report.outputBits));
        if (report.featureBits)
            sizes << QStringLiteral("feature %1").arg(hidReportBytes(report.id, report.featureBits));
        if (sizes.isEmpty())
            continue;
        line += report.id ? QStringLiteral("; report %1: ").arg(report.id) : QStringLiteral("; reports: ");
        line += sizes.join(QStringLiteral(", ")) + QStringLiteral(" bytes");
    }
    return line;
}

// The vendor and product ids each line of a udev rule file gives hidraw nodes.
QVector<QPair<QByteArray, QByteArray>> ruleIds(const QString &path)
{
    QVector<QPair<QByteArray, QByteArray>> result;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    static const QRegularExpression vendor(QStringLiteral("ATTRS\\{idVendor\\}==\"([^\"]*)\""));
    static const QRegularExpression product(QStringLiteral("ATTRS\\{idProduct\\}==\"([^\"]*)\""));
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('#')) || !line.contains(QLatin1String("KERNEL==\"hidraw")))
            continue;
        const QRegularExpressionMatch v = vendor.match(line);
        const QRegularExpressionMatch p = product.match(line);
        if (v.hasMatch() && p.hasMatch())
            result.append({ v.captured(1).toLower().toLatin1(), p.captured(1).toLower().toLatin1() });
    }
    return result;
}

QString openErrorText(int error)
{
    return QStringLiteral("%1 (errno %2)").arg(QString::fromLocal8Bit(std::strerror(error))).arg(error);
}

QString describeOpen(const HardwareProbe::Node &node)
{
    const QString mode = QStringLiteral(" (mode %1)").arg(node.mode, 4, 8, QLatin1Char('0'));
    if (node.openError == 0)
        return QStringLiteral("open: for reading and writing") + mode;
    const QString error = openErrorText(node.openError);
    return (node.readable ? QStringLiteral("open: for reading only; reading and writing: ")
                          : QStringLiteral("open: no: "))
        + error + mode;
}

} // namespace

void HardwareProbe::run(bool all)
{
    using namespace DeviceTable;
    m_vendorId[Receiver] = quint16(m_product.receiverVid);
    m_productId[Receiver] = quint16(m_product.receiverPid);
    m_vendorId[Cable] = quint16(m_product.cableVid);
    m_productId[Cable] = quint16(m_product.cablePid);
    m_currentProduct = CurrentProduct();
    m_all = all;

    // The table as the program fills it: the same rules choose the same collections.
    {
        DeviceLink link(m_product);
        link.BuildDeviceTable();
        m_hidStarted = link.EnumerateDevices() == 0;
        m_tableName = link.DeviceTableName();
        const Entry &entry = link.table().entries[0];
        for (int which = 0; which < 4; ++which)
            m_path[which] = entry.present[which] ? QByteArray(entry.path[which]) : QByteArray();
        link.ExitHid();
    }
    for (int group = 0; group < 2; ++group)
        m_groupComplete[group]
            = !m_path[interfaceOf(group, Mouse)].isEmpty() && !m_path[interfaceOf(group, Command)].isEmpty();
    const bool named
        = m_currentProduct.toLatin1().left(NameSize - 1) == m_tableName.toLatin1().left(NameSize - 1);
    if (!m_hidStarted) {
        m_commandWhy = QStringLiteral("the HID library could not start");
    } else if (!named) {
        m_commandWhy = QStringLiteral("the product chosen in the settings ('%1') is not the device table's "
                                      "('%2'), so nothing is opened")
                           .arg(m_currentProduct, m_tableName);
    } else if (m_groupComplete[Cable]) {
        m_commandPath = m_path[CableCommand];
        m_commandWhy = QStringLiteral("the cable's command collection: the cable carries the commands "
                                      "whenever it is plugged in");
    } else if (m_groupComplete[Receiver]) {
        m_commandPath = m_path[ReceiverCommand];
        m_commandWhy = QStringLiteral("the receiver's command collection: the cable is not plugged in");
    } else {
        m_commandWhy = QStringLiteral("no receiver or cable with both its mouse collection and its command "
                                      "collection was found");
    }

    m_rulePath = AccessAdvice::installedRulePath();
    m_ruleIds = ruleIds(m_rulePath);

    m_nodes.clear();
    m_otherNodes = 0;
    for (const HidrawNodeDetails &details : listHidrawNodes()) {
        const quint16 vendor = details.node.vendorId;
        if (!all && vendor != m_vendorId[Receiver] && vendor != m_vendorId[Cable]) {
            ++m_otherNodes;
            continue;
        }
        Node node;
        node.details = details;
        const QByteArray devnode = details.node.devnode;
        // Opened and closed at once: hidraw sends nothing on open or close.
        const int rw = ::open(devnode.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        node.openError = rw < 0 ? errno : 0;
        if (rw >= 0) {
            node.readable = true;
            ::close(rw);
        } else {
            const int ro = ::open(devnode.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            node.readable = ro >= 0;
            if (ro >= 0)
                ::close(ro);
        }
        struct stat status
        {
        };
        if (::stat(devnode.constData(), &status) == 0)
            node.mode = status.st_mode & 07777;
        if (m_rulePath.isEmpty()) {
            node.rule = QStringLiteral("no %1 installed").arg(AccessAdvice::ruleFileName());
        } else {
            const bool matches = details.kernelName.startsWith("hidraw")
                && m_ruleIds.contains(
                    { details.usbVendorAttribute.toLower(), details.usbProductAttribute.toLower() });
            QStringList listed;
            for (const auto &pair : m_ruleIds)
                listed << QString::fromLatin1(pair.first + ':' + pair.second);
            node.rule = matches ? QStringLiteral("%1 matches").arg(m_rulePath)
                                : QStringLiteral("%1 does not match (it names %2)")
                                      .arg(m_rulePath,
                                           listed.isEmpty() ? QStringLiteral("no hidraw node")
                                                            : listed.join(QStringLiteral(", ")));
        }
        describeUse(node);
        m_nodes.append(node);
    }
}

void HardwareProbe::describeUse(Node &node) const
{
    using namespace DeviceTable;
    const HidrawNode &hid = node.details.node;
    int group = -1;
    for (int g = 0; g < 2; ++g) {
        if (hid.vendorId == m_vendorId[g] && hid.productId == m_productId[g])
            group = g;
    }
    if (group < 0) {
        node.use = QStringLiteral("not used: neither the receiver (%1) nor the cable (%2)")
                       .arg(ids(m_vendorId[Receiver], m_productId[Receiver]),
                            ids(m_vendorId[Cable], m_productId[Cable]));
        return;
    }
    node.role = QLatin1String(GroupNames[group]);
    int held[2] = {}; // collection index of the group's mouse and command collections on this node
    for (int kind = 0; kind < 2; ++kind) {
        const QByteArray &path = m_path[interfaceOf(group, kind)];
        if (!path.isEmpty() && HidrawPath::devnodeOf(path) == hid.devnode)
            held[kind] = HidrawPath::collectionIndexOf(path);
    }
    QStringList parts;
    if (held[Command])
        parts << QStringLiteral("command collection %1").arg(held[Command]);
    if (held[Mouse])
        parts << QStringLiteral("mouse collection %1").arg(held[Mouse]);
    const QString role = node.role;

    if (!parts.isEmpty() && m_groupComplete[group] && !m_commandPath.isEmpty()) {
        node.used = true;
        if (held[Command] && HidrawPath::devnodeOf(m_commandPath) == hid.devnode)
            node.use = QStringLiteral("commands and status (%1)").arg(parts.join(QStringLiteral(", ")));
        else if (held[Command])
            node.use = QStringLiteral("opened (%1); commands and status go through the cable while it is "
                                      "plugged in")
                           .arg(parts.join(QStringLiteral(", ")));
        else
            node.use = QStringLiteral("opened (%1)").arg(parts.join(QStringLiteral(", ")));
        return;
    }
    if (!parts.isEmpty() && m_groupComplete[group]) {
        node.use = QStringLiteral("not opened (%1): %2").arg(parts.join(QStringLiteral(", ")), m_commandWhy);
        return;
    }
    if (!parts.isEmpty()) {
        const QString missing = held[Command] || !m_path[interfaceOf(group, Command)].isEmpty()
            ? QStringLiteral("mouse collection (usage page 0x0001, usage 0x0002)")
            : group == Receiver
            ? QStringLiteral("command collection (usage page 0x0001, usage 0x0000, as collection 4)")
            : QStringLiteral("command collection (usage page 0x0001, usage 0x0000)");
        node.use = QStringLiteral("not used (%1): the %2 has no %3 on any node")
                       .arg(parts.join(QStringLiteral(", ")), role, missing);
        return;
    }
    // None of its collections was taken: say which rule it misses.
    int commandIndex = 0;
    bool mouse = false;
    for (int i = 0; i < hid.collections.size(); ++i) {
        const HidCollectionInfo &collection = hid.collections.at(i);
        if (collection.usagePage == 1 && collection.usage == 0 && !commandIndex)
            commandIndex = i + 1;
        mouse = mouse || (collection.usagePage == 1 && collection.usage == 2);
    }
    if (group == Receiver && commandIndex && commandIndex != 4) {
        node.use = QStringLiteral("not used: its command collection (usage page 0x0001, usage 0x0000) is "
                                  "collection %1; the receiver's must be collection 4")
                       .arg(commandIndex);
    } else if (commandIndex || mouse) {
        node.use = QStringLiteral("not used: the %1's collections were taken from another node").arg(role);
    } else {
        node.use = QStringLiteral("not used: none of its collections is the mouse collection (usage page "
                                  "0x0001, usage 0x0002) or the command collection (usage page 0x0001, usage "
                                  "0x0000)");
    }
}

QStringList HardwareProbe::lines(bool withSerials) const
{
    QStringList out;
    out << QStringLiteral("mousecfg-cli probe: read only, nothing is written to the mouse");
    const QString product = !m_tableName.isEmpty() ? m_tableName
        : !m_product.name.isEmpty()                 ? m_product.name
                                                   : QStringLiteral("(no name)");
    out << QStringLiteral("product: %1 (receiver %2, cable %3)")
               .arg(product, ids(m_vendorId[0], m_productId[0]), ids(m_vendorId[1], m_productId[1]));
    if (!qEnvironmentVariableIsEmpty("MOUSECFG_VIRTUAL_MOUSE"))
        out << QStringLiteral("note: MOUSECFG_VIRTUAL_MOUSE is set, so the program would talk to the virtual "
                              "mouse, not to these nodes");
    const QString where = m_commandPath.isEmpty()
        ? QString()
        : QStringLiteral("%1, collection %2")
              .arg(QString::fromLocal8Bit(HidrawPath::devnodeOf(m_commandPath)))
              .arg(HidrawPath::collectionIndexOf(m_commandPath));
    if (m_commandPath.isEmpty()) {
        out << QStringLiteral("commands: none (%1)").arg(m_commandWhy);
        out << QStringLiteral("status: none");
    } else {
        QString denied;
        for (const Node &node : m_nodes) {
            if (node.details.node.devnode == HidrawPath::devnodeOf(m_commandPath) && node.openError != 0)
                denied = QStringLiteral("; but it cannot be opened: ") + openErrorText(node.openError);
        }
        out << QStringLiteral("commands: %1 (%2)%3").arg(where, m_commandWhy, denied);
        out << QStringLiteral("status: %1 (status and battery reports arrive on the command collection)")
                   .arg(where);
    }
    out << QStringLiteral("udev rule: %1")
               .arg(m_rulePath.isEmpty()
                        ? QStringLiteral("%1 is not installed").arg(AccessAdvice::ruleFileName())
                        : m_rulePath);
    if (m_nodes.isEmpty())
        out << QString()
            << (m_all ? QStringLiteral("no hidraw node found")
                      : QStringLiteral("no hidraw node of the vendor of the receiver or the cable (%1) found")
                            .arg(m_vendorId[0] == m_vendorId[1]
                                     ? hex4(m_vendorId[0])
                                     : hex4(m_vendorId[0]) + QStringLiteral(", ") + hex4(m_vendorId[1])));
    for (const Node &node : m_nodes) {
        const HidrawNodeDetails &details = node.details;
        const HidrawNode &hid = details.node;
        out << QString();
        QString head = QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(hid.devnode),
                                                    ids(hid.vendorId, hid.productId));
        if (!node.role.isEmpty())
            head += QStringLiteral(" (%1)").arg(node.role);
        head += details.bus == 3 ? QStringLiteral(", USB")
            : details.bus == 5   ? QStringLiteral(", Bluetooth")
                                 : QStringLiteral(", bus %1").arg(details.bus);
        head += QStringLiteral(", release %1.%2")
                    .arg(hid.releaseNumber >> 8, 0, 16)
                    .arg(hid.releaseNumber & 0xFF, 2, 16, QLatin1Char('0'));
        if (hid.interfaceNumber >= 0)
            head += QStringLiteral(", interface %1").arg(hid.interfaceNumber);
        if (!details.name.isEmpty())
            head += QStringLiteral(", \"%1\"").arg(details.name);
        out << head;
        out << QStringLiteral("  serial: %1")
                   .arg(details.serial.isEmpty() ? QStringLiteral("none")
                            : withSerials        ? details.serial
                                                 : QStringLiteral("left out"));
        if (hid.collections.isEmpty())
            out << QStringLiteral("  no collections: the report descriptor could not be read or is empty");
        for (int i = 0; i < hid.collections.size(); ++i)
            out << QStringLiteral("  ") + collectionLine(i + 1, hid.collections.at(i));
        out << QStringLiteral("  use: ") + node.use;
        out << QStringLiteral("  ") + describeOpen(node);
        QString udev
            = QStringLiteral("  udev: KERNEL==\"%1\"").arg(QString::fromLocal8Bit(details.kernelName));
        if (!details.usbVendorAttribute.isEmpty())
            udev += QStringLiteral(", ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                        .arg(QString::fromLatin1(details.usbVendorAttribute),
                             QString::fromLatin1(details.usbProductAttribute));
        else
            udev += QStringLiteral(", no USB device above it");
        udev += QStringLiteral("; tags: %1")
                    .arg(details.tags.isEmpty() ? QStringLiteral("none")
                                                : details.tags.join(QLatin1Char(' ')));
        out << udev;
        out << QStringLiteral("  rule: ") + node.rule;
    }
    if (m_otherNodes > 0)
        out << QString()
            << QStringLiteral("%1 other hidraw node(s) not shown (mousecfg-cli probe --all lists them)")
                   .arg(m_otherNodes);
    return out;
}
