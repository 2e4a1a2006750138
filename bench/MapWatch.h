#pragma once

#include <QSize>

struct xcb_connection_t;

// Watches the X server for a top-level window being mapped (MapNotify on the root window), so that a
// program's start can be timed from outside it, as the user sees its window appear.
class MapWatch
{
public:
    // Connects to $DISPLAY; isValid() tells whether that worked.
    MapWatch();
    ~MapWatch();
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;

    // True when the X server was reached.
    bool isValid() const { return m_connection != nullptr; }
    // Forgets the maps seen so far.
    void drain();
    // Waits up to `timeoutMs` for a window other than a menu or tooltip to be mapped; true when one
    // was. The mapped window's size is kept for mappedSize().
    bool waitForMap(int timeoutMs);
    // The size of the window last seen mapped.
    QSize mappedSize() const { return m_mappedSize; }

private:
    xcb_connection_t *m_connection = nullptr;
    QSize m_mappedSize;
};
