#include "platform/DesktopSession.h"

#include "platform/WlrToplevelWatcher.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>

namespace {
const QString KWinService = QStringLiteral("org.kde.KWin");
const QString GnomeShellService = QStringLiteral("org.gnome.Shell");
} // namespace

DesktopSession DesktopSession::current()
{
    DesktopSession session;
    session.currentDesktop = QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP"));
    session.sessionType = QString::fromLocal8Bit(qgetenv("XDG_SESSION_TYPE"));
    session.waylandDisplay = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    session.swaySocket = !qgetenv("SWAYSOCK").isEmpty();
    session.qtPlatform = QGuiApplication::platformName();
    // The bus is asked only when the environment names no desktop.
    if (session.isWayland() && session.currentDesktop.isEmpty()) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected()) {
            for (const QString &service : { KWinService, GnomeShellService }) {
                if (bus.interface()->isServiceRegistered(service).value())
                    session.busNames << service;
            }
        }
    }
    // Asking the compositor costs a connection: only where nothing else serves.
    if (session.isWayland() && session.waylandDisplay && !session.isPlasma() && !session.isGnome()
        && !session.swaySocket)
        session.foreignToplevel = WlrToplevelWatcher::offered();
    return session;
}

bool DesktopSession::isWayland() const
{
    return waylandDisplay || sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

QStringList DesktopSession::desktops() const
{
    return currentDesktop.toUpper().split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

bool DesktopSession::isPlasma() const
{
    return desktops().contains(QLatin1String("KDE")) || (desktops().isEmpty() && busNames.contains(KWinService));
}

bool DesktopSession::isGnome() const
{
    return desktops().contains(QLatin1String("GNOME"))
        || (desktops().isEmpty() && busNames.contains(GnomeShellService));
}

WatcherKind DesktopSession::watcherKind() const
{
    // In a Wayland session the X server (XWayland) only knows the windows of X programs: its active
    // window says nothing about the others, even when this program itself runs on it.
    if (isWayland()) {
        if (isPlasma())
            return WatcherKind::KWin;
        if (isGnome())
            return WatcherKind::GnomeShell;
        if (swaySocket)
            return WatcherKind::Sway;
        if (waylandDisplay && foreignToplevel)
            return WatcherKind::Wlroots;
        return WatcherKind::None;
    }
    if (qtPlatform == QLatin1String("xcb"))
        return WatcherKind::X11;
    return WatcherKind::None;
}

QString DesktopSession::label() const
{
    QString name;
    if (isPlasma())
        name = QStringLiteral("KDE Plasma");
    else if (isGnome())
        name = QStringLiteral("GNOME");
    else
        name = currentDesktop.section(QLatin1Char(':'), 0, 0).trimmed();
    if (name.isEmpty())
        return QString();
    return name + (isWayland() ? QStringLiteral(" (Wayland)") : QStringLiteral(" (X11)"));
}
