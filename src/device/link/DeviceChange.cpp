#include "device/link/DeviceTable.h"
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

        if (arrived) {
            const QByteArray path = QByteArrayLiteral("\\\\?\\") + name.toLatin1();
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
            if (entry.present[which].exchange(0) == 0)
                continue;
            change.matched = true;
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
