#pragma once

#include "appprofiles/ActiveWindow.h"

#include <QObject>

#include <memory>

// Reports the window in front as it changes, on the desktops that tell; no polling.
class ActiveWindowWatcher : public QObject
{
    Q_OBJECT
public:
    // A watcher not yet started.
    explicit ActiveWindowWatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        qRegisterMetaType<ActiveWindow>();
    }

    // Starts watching; false when this session cannot tell which window is in front.
    virtual bool start() = 0;
    // Stops watching; safe to call when not started.
    virtual void stop() = 0;
    // The windows open now, one entry per program (for choosing a program to add a rule for).
    virtual QVector<ActiveWindow> openWindows() const { return {}; }

signals:
    // Another window came to the front (empty when none is).
    void activeWindowChanged(const ActiveWindow &window);
};

// Which watcher serves this session.
// Sway: sway's IPC, which knows each window's process. Wlroots: another wlroots compositor's window list,
// which knows app ids only. GnomeShell: mousecfg's GNOME Shell extension.
enum class WatcherKind { None, X11, KWin, GnomeShell, Sway, Wlroots };

// The watcher the session calls for (DesktopSession::watcherKind): KWin on KDE Plasma under Wayland,
// GNOME Shell's extension on GNOME under Wayland, sway's IPC where $SWAYSOCK names it, the foreign
// toplevel list on a compositor that offers it, none on other Wayland desktops, X11 when the program's
// windows live on the X server of an X11 session.
WatcherKind DetectWatcherKind();
// A watcher of `kind`, or null for None.
std::unique_ptr<ActiveWindowWatcher> CreateActiveWindowWatcher(WatcherKind kind = DetectWatcherKind());
// The base name of process `pid`'s executable, empty when it cannot be read.
QString ExecutableOfProcess(qint64 pid);
