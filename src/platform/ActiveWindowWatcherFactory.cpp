#include "platform/ActiveWindowWatcher.h"

#include "platform/KWinActiveWindowWatcher.h"
#include "platform/X11ActiveWindowWatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

WatcherKind DetectWatcherKind()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return WatcherKind::X11;
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toUpper();
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && desktop.split(':').contains("KDE"))
        return WatcherKind::KWin;
    return WatcherKind::None;
}

std::unique_ptr<ActiveWindowWatcher> CreateActiveWindowWatcher(WatcherKind kind)
{
    switch (kind) {
    case WatcherKind::X11:
        return std::make_unique<X11ActiveWindowWatcher>();
    case WatcherKind::KWin:
        return std::make_unique<KWinActiveWindowWatcher>();
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
