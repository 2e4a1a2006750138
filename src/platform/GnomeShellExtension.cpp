#include "platform/GnomeShellExtension.h"

#include "platform/LogCategories.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString ShellService = QStringLiteral("org.gnome.Shell");
const QString ShellPath = QStringLiteral("/org/gnome/Shell");
constexpr int ShellTimeoutMs = 1000;

// The shell's ExtensionState numbers that the states below rest on (the same from 3.36 to 49).
constexpr int ShellEnabled = 1;
constexpr int ShellError = 3;
constexpr int ShellOutOfDate = 4;
constexpr int ShellUninstalled = 99;

} // namespace

QString GnomeShellExtension::uuidForShell(const QString &shellVersion)
{
    bool ok = false;
    const int major = shellVersion.section(QLatin1Char('.'), 0, 0).toInt(&ok);
    if (ok && major < 45)
        return QStringLiteral("mousecfg-focus-legacy@mousecfg.org");
    return QStringLiteral("mousecfg-focus@mousecfg.org");
}

GnomeShellExtension::State GnomeShellExtension::stateFromInfo(const QVariantMap &info)
{
    if (info.isEmpty() || !info.contains(QStringLiteral("state")))
        return State::Missing;
    bool ok = false;
    const int state = qRound(info.value(QStringLiteral("state")).toDouble(&ok));
    if (!ok || state == ShellUninstalled)
        return State::Missing;
    if (state == ShellEnabled)
        return State::On;
    if (state == ShellError || state == ShellOutOfDate)
        return State::Failed;
    return State::Off;
}

GnomeShellExtension::GnomeShellExtension(const QDBusConnection &bus)
    : m_bus(bus)
{ }

GnomeShellExtension::State GnomeShellExtension::state()
{
    if (!m_bus.isConnected())
        return State::Unknown;
    QDBusMessage version = QDBusMessage::createMethodCall(ShellService, ShellPath,
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
    version << ShellService << QStringLiteral("ShellVersion");
    const QDBusMessage versionReply = m_bus.call(version, QDBus::Block, ShellTimeoutMs);
    if (versionReply.type() != QDBusMessage::ReplyMessage || versionReply.arguments().isEmpty()) {
        qCDebug(lcPlatform) << "GNOME Shell tells no version:" << versionReply.errorMessage();
        return State::Unknown;
    }
    m_uuid = uuidForShell(versionReply.arguments().at(0).value<QDBusVariant>().variant().toString());
    QDBusMessage info = QDBusMessage::createMethodCall(ShellService, ShellPath,
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QStringLiteral("GetExtensionInfo"));
    info << m_uuid;
    const QDBusMessage infoReply = m_bus.call(info, QDBus::Block, ShellTimeoutMs);
    if (infoReply.type() != QDBusMessage::ReplyMessage || infoReply.arguments().isEmpty()) {
        qCDebug(lcPlatform) << "GNOME Shell tells nothing of its extensions:" << infoReply.errorMessage();
        return State::Unknown;
    }
    return stateFromInfo(qdbus_cast<QVariantMap>(infoReply.arguments().at(0)));
}

QStringList GnomeShellExtension::enableCommand() const
{
    return { QStringLiteral("gnome-extensions"), QStringLiteral("enable"), m_uuid };
}
