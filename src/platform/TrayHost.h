#pragma once

#include <functional>

// Whether a system tray can show the program's icon right now (an X11 tray or a StatusNotifierItem
// host). Asked each time the window closes: a tray host may come or go while the program runs.
namespace TrayHost {

// True when a tray host is there.
bool available();
// True when the program's windows use Wayland, where only a StatusNotifierItem host can show the icon.
bool onWayland();
// Replaces the question asked of Qt (tests); an empty function restores it.
void setProbe(std::function<bool()> probe);

} // namespace TrayHost
