#include "platform/X11ActiveWindowWatcher.h"

#include <QSet>
#include <QSocketNotifier>
#include <QSysInfo>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// The values of a window property, or nothing (a vanished window answers with an error, not a crash).
QByteArray windowProperty(xcb_connection_t *connection, quint32 window, quint32 name, quint32 type,
                          quint32 maxWords)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, name, type, 0, maxWords);
    xcb_generic_error_t *error = nullptr;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, &error);
    std::free(error);
    if (!reply)
        return {};
    QByteArray value;
    // The value's length is given in bytes, whatever the property's format.
    if (reply->type == type)
        value = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}

// The first 32-bit value of a property, 0 when absent.
quint32 firstWord(const QByteArray &value)
{
    quint32 word = 0;
    if (value.size() >= int(sizeof word))
        std::memcpy(&word, value.constData(), sizeof word);
    return word;
}

} // namespace

X11ActiveWindowWatcher::~X11ActiveWindowWatcher()
{
    stop();
}

quint32 X11ActiveWindowWatcher::atom(const char *name) const
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
    const quint32 value = reply ? reply->atom : 0;
    std::free(reply);
    return value;
}

bool X11ActiveWindowWatcher::start()
{
    if (m_connection)
        return true;
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;
    m_activeAtom = atom("_NET_ACTIVE_WINDOW");
    m_pidAtom = atom("_NET_WM_PID");
    m_clientListAtom = atom("_NET_CLIENT_LIST");
    const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11ActiveWindowWatcher::readEvents);
    m_last = ActiveWindow();
    reportActive();
    readEvents();
    return true;
}

void X11ActiveWindowWatcher::stop()
{
    // Also called from the notifier's own signal.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
    }
    m_notifier = nullptr;
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}

void X11ActiveWindowWatcher::readEvents()
{
    // Reading the properties can queue further events inside the connection, which the socket no
    // longer announces: read until a round brings no change.
    for (;;) {
        bool activeChanged = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
                const auto *notify = reinterpret_cast<xcb_property_notify_event_t *>(event);
                activeChanged |= notify->window == m_root && notify->atom == m_activeAtom;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(m_connection)) {
            // The X server went away: nothing more will come.
            stop();
            return;
        }
        if (!activeChanged)
            return;
        reportActive();
    }
}

void X11ActiveWindowWatcher::reportActive()
{
    const quint32 window = firstWord(windowProperty(m_connection, m_root, m_activeAtom, XCB_ATOM_WINDOW, 1));
    const ActiveWindow active = window ? describe(m_connection, window) : ActiveWindow();
    // Window managers set the property again for the same window; only a change counts.
    if (active == m_last)
        return;
    m_last = active;
    emit activeWindowChanged(active);
}

ActiveWindow X11ActiveWindowWatcher::describe(xcb_connection_t *connection, quint32 window) const
{
    ActiveWindow active;
    // A window of a program on another machine names a process id of that machine.
    const QByteArray machine
        = windowProperty(connection, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 64);
    if (machine.isEmpty()
        || QString::fromLocal8Bit(machine.left(machine.indexOf('\0'))) == QSysInfo::machineHostName())
        active.pid = firstWord(windowProperty(connection, window, m_pidAtom, XCB_ATOM_CARDINAL, 1));
    active.executable = ExecutableOfProcess(active.pid);
    // WM_CLASS: instance and class, each ended by a NUL.
    const QByteArray classes = windowProperty(connection, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 64);
    for (const QByteArray &name : classes.split('\0')) {
        if (!name.isEmpty())
            active.classes << QString::fromLocal8Bit(name);
    }
    return active;
}

QVector<ActiveWindow> X11ActiveWindowWatcher::openWindows() const
{
    QVector<ActiveWindow> windows;
    if (!m_connection)
        return windows;
    // A connection of its own: replies awaited on the watching connection would pull its events into
    // the library's queue, where the socket no longer announces them.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const QByteArray list = windowProperty(connection, m_root, m_clientListAtom, XCB_ATOM_WINDOW, 4096);
        QSet<QString> seen;
        for (int offset = 0; offset + 4 <= list.size(); offset += 4) {
            const ActiveWindow window = describe(connection, firstWord(list.mid(offset, 4)));
            const QString key
                = window.executable + QLatin1Char('\n') + window.classes.join(QLatin1Char('\n'));
            if (!window.isEmpty() && !seen.contains(key)) {
                seen.insert(key);
                windows << window;
            }
        }
    }
    xcb_disconnect(connection);
    return windows;
}
