#include "device/link/DeviceTable.h"
#include "device/link/HidBackend.h"
#include "platform/HidrawNode.h"
#include "storage/AppSettings.h"

#include <QRegularExpression>

#include <cstring>

namespace {

struct NamePattern
{
    QRegularExpression expression;
    InterfaceNameKind kind;
};

QRegularExpression pattern(const char *tail)
{
    return QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})")
                                  + QLatin1String(tail),
                              QRegularExpression::CaseInsensitiveOption);
}

// Tried in this order; the first that matches anywhere in the name wins.
const NamePattern *namePatterns()
{
    static const NamePattern patterns[] = {
        { pattern("&col01"), MouseInterface },
        { pattern("&col04"), CommandInterface },
        { pattern("&MI_00&col01"), MouseInterface },
        { pattern("&MI_00&col04"), CommandInterface },
    };
    return patterns;
}

bool groupHasInterface(const DeviceTable::Entry &entry, int group)
{
    using namespace DeviceTable;
    return entry.present[interfaceOf(group, Mouse)] || entry.present[interfaceOf(group, Command)];
}

bool entryIsEmpty(const DeviceTable::Entry &entry)
{
    for (const auto &flag : entry.present) {
        if (flag)
            return false;
    }
    return true;
}

} // namespace

InterfaceNameKind ClassifyInterfaceName(const QString &name, int &vendorId, int &productId)
{
    vendorId = 0;
    productId = 0;
    for (int i = 0; i < 4; ++i) {
        const QRegularExpressionMatch match = namePatterns()[i].expression.match(name);
        if (match.hasMatch()) {
            vendorId = match.captured(QStringLiteral("vid")).toInt(nullptr, 16);
            productId = match.captured(QStringLiteral("pid")).toInt(nullptr, 16);
            return namePatterns()[i].kind;
        }
    }
    return NoInterface;
}

bool DeviceLink::takeOverGroup(DeviceTable::Entry &entry, int group, const QByteArray &goneNode)
{
    using namespace DeviceTable;
    if (CurrentHidBackend()->init() != 0)
        return false;
    const QVector<HidDeviceRecord> records = CurrentHidBackend()->enumerate(0, 0);
    const int interfaces[] = { interfaceOf(group, Mouse), interfaceOf(group, Command) };
    char saved[2][PathSize];
    quint32 wasPresent[2];
    for (int i = 0; i < 2; ++i) {
        std::memcpy(saved[i], entry.path[interfaces[i]], PathSize);
        wasPresent[i] = entry.present[interfaces[i]].exchange(0);
    }
    if (recordGroup(entry, group, records, goneNode))
        return true;
    // None complete: the other collection of the node that went stays until its own notice.
    for (int i = 0; i < 2; ++i) {
        std::memcpy(entry.path[interfaces[i]], saved[i], PathSize);
        entry.present[interfaces[i]] = wasPresent[i];
    }
    return false;
}

DeviceChange DeviceLink::HandleDeviceChange(const QString &name, int arrived)
{
    using namespace DeviceTable;
    DeviceChange change;
    int vendorId = 0, productId = 0;
    const InterfaceNameKind nameKind = ClassifyInterfaceName(name, vendorId, productId);
    if (nameKind == NoInterface)
        return change;
    const int kind = nameKind == MouseInterface ? Mouse : Command;
    const QByteArray currentName = CurrentProduct().toLatin1();
    bool newlyPresent = false;

    for (quint32 i = 0; i < entryCount(); ++i) {
        Entry &entry = d->table.entries[i];
        int group;
        if (quint32(vendorId) == entry.vendorId[Receiver] && quint32(productId) == entry.productId[Receiver])
            group = Receiver;
        else if (quint32(vendorId) == entry.vendorId[Cable] && quint32(productId) == entry.productId[Cable])
            group = Cable;
        else
            continue;
        const int which = interfaceOf(group, kind);

        const QByteArray path = QByteArrayLiteral("\\\\?\\") + name.toLatin1();
        const bool sameNode
            = HidrawPath::devnodeOf(QByteArray(entry.path[which])) == HidrawPath::devnodeOf(path);
        const bool groupComplete
            = entry.present[interfaceOf(group, Mouse)] && entry.present[interfaceOf(group, Command)];
        if (arrived) {
            // Another receiver (or cable) of the product while one is complete is left unused.
            if (groupComplete && entry.present[which] && !sameNode)
                continue;
            // A release outside the bounds, or a path too long for its slot, counts as absent.
            if (!releaseAccepted(entry, group, GetReleaseNumber(path.constData()))
                || !storePath(entry.path[which], path))
                continue;
            if (entry.present[which].exchange(1) == 0)
                newlyPresent = true;
            change.matched = true;
            if (entry.present[interfaceOf(group, Mouse)] && entry.present[interfaceOf(group, Command)]) {
                change.completed = true;
                continue;
            }
        } else {
            // Only the node in use counts: an unused one going changes nothing.
            if (!entry.present[which] || !sameNode)
                continue;
            entry.present[which] = 0;
            change.matched = true;
            // The one in use went while another complete one is there: that one takes over.
            if (groupComplete && takeOverGroup(entry, group, HidrawPath::devnodeOf(path))) {
                change.completed = true;
                continue;
            }
            if (entryIsEmpty(entry)) {
                change.gone = true;
                continue;
            }
        }
        if (std::strncmp(entry.name, currentName.constData(), NameSize) == 0
            && groupHasInterface(entry, group))
            change.reconnect = true;
    }
    if (newlyPresent)
        SaveDiff(1);
    return change;
}
