#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <QString>
#include <QStringList>

// What the session is, as far as following the window in front goes: read from the environment, Qt's
// platform and (only when the environment does not say) the names on the session bus.
class DesktopSession
{
public:
    QString currentDesktop; // XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME"
    QString sessionType; // XDG_SESSION_TYPE
    bool waylandDisplay = false; // WAYLAND_DISPLAY is set
    bool swaySocket = false; // SWAYSOCK is set
    bool foreignToplevel = false; // the compositor offers its window list (wlr foreign toplevel)
    QString qtPlatform; // the platform the program's windows use ("xcb", "wayland")
    QStringList busNames; // the desktop services present on the session bus

    // The session this program runs in.
    static DesktopSession current();

    // True in a Wayland session, whatever platform the program's own windows use.
    bool isWayland() const;
    // The desktops XDG_CURRENT_DESKTOP lists, upper-case.
    QStringList desktops() const;
    // True on KDE Plasma, by name or, when the session gives none, by KWin on the bus.
    bool isPlasma() const;
    // True on GNOME (also Ubuntu's and the classic session), by name or by the shell on the bus.
    bool isGnome() const;
    // The watcher that can tell the window in front here.
    WatcherKind watcherKind() const;
    // The desktop as a person would name it, with its display system ("GNOME (Wayland)"); empty when
    // the session does not name its desktop.
    QString label() const;
};
