#pragma once

#include <QDBusConnection>
#include <QString>

#include <memory>

// One way of telling the desktop the pointer speed (1..20, see PointerSpeedMapping.h).
class PointerSpeedBackend
{
public:
    virtual ~PointerSpeedBackend() = default;
    // A short name for logs and tests ("x11", "gnome", "kwin", "sway", "remembered").
    virtual QString name() const = 0;
    // False where the speed can only be remembered, never set on the desktop.
    virtual bool canSet() const { return true; }
    // True where nothing is written into the desktop's own settings, so the speed holds only while this
    // program runs.
    virtual bool appliesOnlyWhileRunning() const { return false; }
    // The desktop's speed into `speed`; false when it could not be read.
    virtual bool read(int *speed) = 0;
    // Sets the desktop's speed; false when the desktop could not be told.
    virtual bool apply(int speed) = 0;
};

// What the factory needs to know of the session.
struct PointerSpeedSession
{
    QString desktop;          // $XDG_CURRENT_DESKTOP, ':'-separated names such as "ubuntu:GNOME"
    bool wayland = false;     // a Wayland session ($WAYLAND_DISPLAY or $XDG_SESSION_TYPE)
    bool x11 = false;         // the program runs on the X server that drives the desktop's pointer
    QString swaySocket;       // $SWAYSOCK, sway's IPC socket, empty elsewhere
    QDBusConnection bus = QDBusConnection::sessionBus();

    // This process's session.
    static PointerSpeedSession current();
};

// The backend for `session`: GNOME's settings on GNOME (X11 and Wayland), KWin on Plasma Wayland, sway's
// IPC under sway, the X server on any other X11 session, else one that only remembers.
std::unique_ptr<PointerSpeedBackend> CreatePointerSpeedBackend(const PointerSpeedSession &session);
