#include "platform/ActiveWindowWatcher.h"

#include "platform/KWinActiveWindowWatcher.h"
#include "platform/SwayActiveWindowWatcher.h"
#include "platform/WlrToplevelWatcher.h"
#include "platform/X11ActiveWindowWatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

WatcherKind DetectWatcherKind()
{
    // In a Wayland session the X server (XWayland) only knows the windows of X programs: its active
    // window says nothing about the others, even when this program itself runs on it.
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
    if (wayland) {
        const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toUpper();
        if (desktop.split(':').contains("KDE"))
            return WatcherKind::KWin;
        if (!qEnvironmentVariableIsEmpty("SWAYSOCK"))
            return WatcherKind::Sway;
        if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && WlrToplevelWatcher::offered())
            return WatcherKind::Wlroots;
        return WatcherKind::None;
    }
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return WatcherKind::X11;
    return WatcherKind::None;
}

std::unique_ptr<ActiveWindowWatcher> CreateActiveWindowWatcher(WatcherKind kind)
{
    switch (kind) {
    case WatcherKind::X11:
        return std::make_unique<X11ActiveWindowWatcher>();
    case WatcherKind::KWin:
        return std::make_unique<KWinActiveWindowWatcher>();
    case WatcherKind::Sway:
        return std::make_unique<SwayActiveWindowWatcher>();
    case WatcherKind::Wlroots:
        return std::make_unique<WlrToplevelWatcher>();
    case WatcherKind::None:
        break;
    }
    return nullptr;
}

QString ExecutableOfProcess(qint64 pid)
{
    if (pid <= 0)
        return {};
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    // An executable replaced by an update while it runs.
    target.remove(QStringLiteral(" (deleted)"));
    return QFileInfo(target).fileName();
}
