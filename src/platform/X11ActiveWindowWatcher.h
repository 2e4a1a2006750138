#pragma once

#include "platform/ActiveWindowWatcher.h"

struct xcb_connection_t;
class QSocketNotifier;

// The X11 watcher: a connection of its own listens for changes of the root window's _NET_ACTIVE_WINDOW;
// the window's _NET_WM_PID gives the executable, WM_CLASS the classes.
class X11ActiveWindowWatcher : public ActiveWindowWatcher
{
    Q_OBJECT
public:
    using ActiveWindowWatcher::ActiveWindowWatcher;
    ~X11ActiveWindowWatcher() override;

    bool start() override;
    void stop() override;
    QVector<ActiveWindow> openWindows() const override;

private:
    void readEvents();
    void reportActive();
    ActiveWindow describe(xcb_connection_t *connection, quint32 window) const;
    quint32 atom(const char *name) const;

    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    quint32 m_root = 0;
    quint32 m_activeAtom = 0;
    quint32 m_pidAtom = 0;
    quint32 m_clientListAtom = 0;
    ActiveWindow m_last;
};
