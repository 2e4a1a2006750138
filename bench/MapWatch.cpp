#include "MapWatch.h"

#include <QDeadlineTimer>

#include <cstdlib>
#include <poll.h>
#include <xcb/xcb.h>

MapWatch::MapWatch()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

MapWatch::~MapWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

void MapWatch::drain()
{
    // A round trip makes sure every event sent before it has arrived.
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
        std::free(event);
}

bool MapWatch::waitForMap(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    pollfd descriptor { xcb_get_file_descriptor(m_connection), POLLIN, 0 };
    while (!deadline.hasExpired()) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            std::free(event);
            if (!mapped)
                continue;
            if (xcb_get_geometry_reply_t *geometry
                = xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr)) {
                m_mappedSize = QSize(geometry->width, geometry->height);
                std::free(geometry);
            }
            return true;
        }
        if (xcb_connection_has_error(m_connection))
            return false;
        poll(&descriptor, 1, int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return false;
}
