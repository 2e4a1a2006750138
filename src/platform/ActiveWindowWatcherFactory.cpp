#include "platform/ActiveWindowWatcher.h"

#include "platform/DesktopSession.h"
#include "platform/GnomeShellActiveWindowWatcher.h"
#include "platform/KWinActiveWindowWatcher.h"
#include "platform/SwayActiveWindowWatcher.h"
#include "platform/WlrToplevelWatcher.h"
#include "platform/X11ActiveWindowWatcher.h"

#include <QFile>
#include <QFileInfo>

WatcherKind DetectWatcherKind()
{
    return DesktopSession::current().watcherKind();
}

std::unique_ptr<ActiveWindowWatcher> CreateActiveWindowWatcher(WatcherKind kind)
{
    switch (kind) {
    case WatcherKind::X11:
        return std::make_unique<X11ActiveWindowWatcher>();
    case WatcherKind::KWin:
        return std::make_unique<KWinActiveWindowWatcher>();
    case WatcherKind::GnomeShell:
        return std::make_unique<GnomeShellActiveWindowWatcher>();
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
