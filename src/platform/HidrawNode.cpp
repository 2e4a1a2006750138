#include "platform/HidrawNode.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &collectionMarker()
{
    static const QRegularExpression marker(QStringLiteral("&col(\\d{2})$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return marker;
}

} // namespace

namespace HidrawPath {

QByteArray collectionPath(const QByteArray &devnode, int index)
{
    return devnode + QStringLiteral("&col%1").arg(index, 2, 10, QLatin1Char('0')).toLatin1();
}

QByteArray devnodeOf(const QByteArray &path)
{
    QString node = QString::fromLocal8Bit(path);
    if (node.startsWith(QLatin1String("\\\\?\\")))
        node = node.mid(node.lastIndexOf(QLatin1Char('#')) + 1);
    return node.remove(collectionMarker()).toLocal8Bit();
}

int collectionIndexOf(const QByteArray &path)
{
    const QRegularExpressionMatch match = collectionMarker().match(QString::fromLocal8Bit(path));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QStringList interfaceNames(const HidrawNode &node)
{
    const QString interface = node.interfaceNumber >= 0
        ? QStringLiteral("&MI_%1").arg(node.interfaceNumber, 2, 10, QLatin1Char('0'))
        : QString();
    QStringList names;
    for (int index = 1; index <= node.collections.size(); ++index) {
        const QString collection = QStringLiteral("&col%1").arg(index, 2, 10, QLatin1Char('0'));
        names.append(QStringLiteral("\\\\?\\HID#VID_%1&PID_%2")
                         .arg(node.vendorId, 4, 16, QLatin1Char('0'))
                         .arg(node.productId, 4, 16, QLatin1Char('0'))
                         .toUpper()
                     + interface + collection + QLatin1Char('#')
                     + QString::fromLocal8Bit(collectionPath(node.devnode, index)));
    }
    return names;
}

} // namespace HidrawPath
