#include "device/link/DeviceTable.h"

#include "device/link/HidBackend.h"
#include "platform/HidrawNode.h"
#include "platform/LogCategories.h"
#include "storage/AppSettings.h"
#include "storage/Product.h"

#include <QDebug>
#include <QHash>

#include <cstring>

namespace {

void clearEntry(DeviceTable::Entry &entry)
{
    std::memset(entry.vendorId, 0, sizeof entry.vendorId);
    std::memset(entry.productId, 0, sizeof entry.productId);
    std::memset(entry.minRelease, 0, sizeof entry.minRelease);
    std::memset(entry.maxRelease, 0, sizeof entry.maxRelease);
    std::memset(entry.usage, 0, sizeof entry.usage);
    std::memset(entry.usagePage, 0, sizeof entry.usagePage);
    std::memset(entry.path, 0, sizeof entry.path);
    std::memset(entry.name, 0, sizeof entry.name);
    for (auto &flag : entry.present)
        flag = 0;
}

bool matchesSelector(const DeviceTable::Entry &entry, int which, const HidDeviceRecord &record)
{
    const int group = which / 2;
    return record.vendorId == entry.vendorId[group] && record.productId == entry.productId[group]
        && record.usage == entry.usage[which] && record.usagePage == entry.usagePage[which]
        && DeviceTable::releaseAccepted(entry, group, record.releaseNumber);
}

// Records one interface; a path that does not fit its slot leaves the interface absent.
bool recordInterface(DeviceTable::Entry &entry, int which, const HidDeviceRecord &record)
{
    if (!DeviceTable::storePath(entry.path[which], record.path))
        return false;
    entry.present[which] = 1;
    qCDebug(lcDevice, "%d %s", which + 1, record.path.constData());
    return true;
}

} // namespace

namespace DeviceTable {

bool releaseAccepted(const Entry &entry, int group, quint32 release)
{
    return entry.maxRelease[group] == 0
        || (entry.minRelease[group] <= release && release <= entry.maxRelease[group]);
}

bool storePath(char (&slot)[PathSize], const QByteArray &path)
{
    if (path.size() >= PathSize)
        return false;
    std::memset(slot, 0, PathSize);
    std::memcpy(slot, path.constData(), size_t(path.size()));
    return true;
}

} // namespace DeviceTable

DeviceLink::DeviceLink(const Product &product, HidBackend *backend)
    : d(std::make_unique<State>(product))
{
    d->backend = backend;
}

DeviceLink::~DeviceLink()
{
    CloseDevice();
}

DeviceTable::Table &DeviceLink::table()
{
    return d->table;
}

quint32 DeviceLink::entryCount() const
{
    return qMin(d->table.count, DeviceTable::Capacity);
}

void DeviceLink::BuildDeviceTable()
{
    using namespace DeviceTable;
    const Product &product = d->product;
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;

    Table &t = d->table;
    t.count = 0;
    for (Entry &entry : t.entries)
        clearEntry(entry);
    t.count = 1;

    Entry &entry = t.entries[0];
    entry.vendorId[Receiver] = quint32(vid1);
    entry.vendorId[Cable] = quint32(vid2);
    entry.productId[Receiver] = quint32(pid1);
    entry.productId[Cable] = quint32(pid2);
    for (int which = 0; which < 4; ++which) {
        entry.usage[which] = which % 2 == Mouse ? 2 : 0;
        entry.usagePage[which] = 1;
    }
    // The name is compared byte for byte with the Latin-1 product name; one that does not fit is cut.
    d->tableName = product.mouseListName;
    const QByteArray name = d->tableName.toLatin1().left(NameSize - 1);
    std::memcpy(entry.name, name.constData(), size_t(name.size()));
    qCDebug(lcDevice) << d->tableName;
}

int DeviceLink::EnumerateDevices()
{
    HidBackend *backend = CurrentHidBackend();
    d->cableRelease = 0;
    if (backend->init() != 0)
        return -1;
    const QVector<HidDeviceRecord> records = backend->enumerate(0, 0);
    for (quint32 i = 0; i < entryCount(); ++i) {
        for (const int group : { DeviceTable::Receiver, DeviceTable::Cable })
            recordGroup(d->table.entries[i], group, records, QByteArray());
    }
    return 0;
}

bool DeviceLink::recordGroup(DeviceTable::Entry &entry, int group, const QVector<HidDeviceRecord> &records,
                             const QByteArray &goneNode)
{
    using namespace DeviceTable;
    const int mouse = interfaceOf(group, Mouse);
    const int command = interfaceOf(group, Command);
    // The mouse and command collections of each node of the group, in the order found.
    QVector<QByteArray> nodes;
    QHash<QByteArray, const HidDeviceRecord *> mouseOf, commandOf;
    for (const HidDeviceRecord &record : records) {
        const QByteArray node = HidrawPath::devnodeOf(record.path);
        if (node == goneNode)
            continue;
        const bool isMouse = matchesSelector(entry, mouse, record);
        // The receiver's command collection is the fourth of its node.
        const bool isCommand = matchesSelector(entry, command, record)
            && (group == Cable || record.path.toLower().contains("col04"));
        if (!isMouse && !isCommand)
            continue;
        if (!nodes.contains(node))
            nodes.append(node);
        if (isMouse && !mouseOf.contains(node))
            mouseOf.insert(node, &record);
        if (isCommand && !commandOf.contains(node))
            commandOf.insert(node, &record);
    }
    // Two receivers (or cables) at once: the first node with both collections is used, and the other
    // stays unused until it goes. Without a complete node, the first collections found are recorded.
    const HidDeviceRecord *mouseRecord = nullptr;
    const HidDeviceRecord *commandRecord = nullptr;
    for (const QByteArray &node : nodes) {
        if (mouseOf.contains(node) && commandOf.contains(node)) {
            mouseRecord = mouseOf.value(node);
            commandRecord = commandOf.value(node);
            break;
        }
        if (!mouseRecord)
            mouseRecord = mouseOf.value(node);
        if (!commandRecord)
            commandRecord = commandOf.value(node);
    }
    if (mouseRecord)
        recordInterface(entry, mouse, *mouseRecord);
    if (commandRecord && recordInterface(entry, command, *commandRecord) && group == Cable)
        d->cableRelease = commandRecord->releaseNumber;
    return entry.present[mouse] && entry.present[command];
}

int DeviceLink::ConnectedDeviceCount() const
{
    using namespace DeviceTable;
    int count = 0;
    for (quint32 i = 0; i < entryCount(); ++i) {
        const Entry &entry = d->table.entries[i];
        if ((entry.present[ReceiverMouse] && entry.present[ReceiverCommand])
            || (entry.present[CableMouse] && entry.present[CableCommand]))
            ++count;
    }
    return count;
}

QString DeviceLink::DeviceTableName() const
{
    return d->tableName;
}

bool DeviceLink::InterfacePresent(DeviceInterface which) const
{
    return entryCount() > 0 && d->table.entries[0].present[which] != 0;
}

bool DeviceLink::CableCommandPresent() const
{
    return InterfacePresent(CableCommand);
}

bool DeviceLink::ReceiverCommandPresent() const
{
    return InterfacePresent(ReceiverCommand);
}

quint16 DeviceLink::CableFirmwareRelease() const
{
    return d->cableRelease;
}
