#pragma once

class QWidget;

// Brings a top-level window to the front at another program's request (a second start).
//
// On X11 the request carries a fresh server time, so that neither the X server nor the window manager
// takes it for one older than the user's last action elsewhere and ignores it. Wayland lets no
// client take the focus by itself (asking only draws a warning there): the window is only raised.
void BringWindowToFront(QWidget *window);
