#include "platform/KWinPointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString Service = QStringLiteral("org.kde.KWin");
const QString ManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString ManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString DeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int CallTimeoutMs = 2000;

QVariant property(const QDBusConnection &bus, const QString &path, const QString &interface, const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, Properties, QStringLiteral("Get"));
    call << interface << name;
    const QDBusReply<QDBusVariant> reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

bool setProperty(const QDBusConnection &bus, const QString &path, const QString &name, const QVariant &value)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, Properties, QStringLiteral("Set"));
    call << DeviceInterface << name << QVariant::fromValue(QDBusVariant(value));
    return bus.call(call, QDBus::Block, CallTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

} // namespace

std::unique_ptr<KWinPointerSpeed> KWinPointerSpeed::create(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return nullptr;
    if (!property(bus, ManagerPath, ManagerInterface, QStringLiteral("devicesSysNames")).isValid())
        return nullptr;
    return std::unique_ptr<KWinPointerSpeed>(new KWinPointerSpeed(bus));
}

KWinPointerSpeed::KWinPointerSpeed(const QDBusConnection &bus)
    : m_bus(bus)
{ }

QString KWinPointerSpeed::configWriter()
{
    for (const char *name : { "kwriteconfig6", "kwriteconfig5" }) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

QStringList KWinPointerSpeed::pointerPaths() const
{
    QStringList paths;
    const QStringList names
        = property(m_bus, ManagerPath, ManagerInterface, QStringLiteral("devicesSysNames")).toStringList();
    for (const QString &sysName : names) {
        const QString path = ManagerPath + QLatin1Char('/') + sysName;
        if (property(m_bus, path, DeviceInterface, QStringLiteral("pointer")).toBool()
            && !property(m_bus, path, DeviceInterface, QStringLiteral("touchpad")).toBool())
            paths << path;
    }
    return paths;
}

bool KWinPointerSpeed::read(int *speed)
{
    for (const QString &path : pointerPaths()) {
        const QVariant accel = property(m_bus, path, DeviceInterface, QStringLiteral("pointerAcceleration"));
        if (accel.isValid()) {
            *speed = SpeedFromLibinputAccel(accel.toDouble());
            return true;
        }
    }
    return false;
}

bool KWinPointerSpeed::apply(int speed)
{
    const double accel = LibinputAccelFromSpeed(speed);
    const QString writer = configWriter();
    bool applied = false;
    for (const QString &path : pointerPaths()) {
        if (!setProperty(m_bus, path, QStringLiteral("pointerAcceleration"), accel))
            continue;
        applied = true;
        if (writer.isEmpty())
            continue;
        // Plasma keeps each device's settings under [Libinput][vendor][product][name] of kcminputrc.
        const QString vendor = QString::number(property(m_bus, path, DeviceInterface, QStringLiteral("vendor")).toUInt());
        const QString product
            = QString::number(property(m_bus, path, DeviceInterface, QStringLiteral("product")).toUInt());
        const QString name = property(m_bus, path, DeviceInterface, QStringLiteral("name")).toString();
        QProcess::execute(writer, { QStringLiteral("--file"), QStringLiteral("kcminputrc"), QStringLiteral("--group"),
                                    QStringLiteral("Libinput"), QStringLiteral("--group"), vendor,
                                    QStringLiteral("--group"), product, QStringLiteral("--group"), name,
                                    QStringLiteral("--key"), QStringLiteral("PointerAcceleration"),
                                    QString::number(accel, 'f', 3) });
    }
    return applied;
}
