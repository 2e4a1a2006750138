#include "platform/WlrToplevelWatcher.h"

#include "platform/LogCategories.h"

#include <QSocketNotifier>

#include <wayland-client.h>
#include <wlr-foreign-toplevel-client.h>

#include <algorithm>
#include <cstring>

namespace {

const char ManagerInterface[] = "zwlr_foreign_toplevel_manager_v1";
// Version 3 adds only the parent event, which is ignored here.
constexpr quint32 HighestVersion = 3;

wl_display *connectTo(const QString &display)
{
    return wl_display_connect(display.isEmpty() ? nullptr : display.toLocal8Bit().constData());
}

using Toplevel = WlrToplevelWatcher::Toplevel;

const zwlr_foreign_toplevel_handle_v1_listener HandleListener = {
    // title
    [](void *, zwlr_foreign_toplevel_handle_v1 *, const char *) {},
    // app_id
    [](void *data, zwlr_foreign_toplevel_handle_v1 *, const char *appId) {
        static_cast<Toplevel *>(data)->pendingAppId = QString::fromUtf8(appId);
    },
    // output_enter, output_leave
    [](void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {},
    [](void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {},
    // state: an array of 32-bit values
    [](void *data, zwlr_foreign_toplevel_handle_v1 *, wl_array *states) {
        bool activated = false;
        const size_t count = states->size / sizeof(quint32);
        for (size_t i = 0; i < count; ++i) {
            quint32 state = 0;
            std::memcpy(&state, static_cast<const char *>(states->data) + i * sizeof state, sizeof state);
            activated |= state == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
        static_cast<Toplevel *>(data)->pendingActivated = activated;
    },
    // done
    [](void *data, zwlr_foreign_toplevel_handle_v1 *) {
        auto *toplevel = static_cast<Toplevel *>(data);
        toplevel->watcher->toplevelDone(toplevel);
    },
    // closed
    [](void *data, zwlr_foreign_toplevel_handle_v1 *) {
        auto *toplevel = static_cast<Toplevel *>(data);
        toplevel->watcher->toplevelClosed(toplevel);
    },
    // parent
    [](void *, zwlr_foreign_toplevel_handle_v1 *, zwlr_foreign_toplevel_handle_v1 *) {},
};

const zwlr_foreign_toplevel_manager_v1_listener ManagerListener = {
    // toplevel
    [](void *data, zwlr_foreign_toplevel_manager_v1 *, zwlr_foreign_toplevel_handle_v1 *handle) {
        static_cast<WlrToplevelWatcher *>(data)->addToplevel(handle);
    },
    // finished
    [](void *data, zwlr_foreign_toplevel_manager_v1 *) {
        static_cast<WlrToplevelWatcher *>(data)->managerFinished();
    },
};

const wl_registry_listener RegistryListener = {
    // global
    [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
        if (std::strcmp(interface, ManagerInterface) == 0)
            static_cast<WlrToplevelWatcher *>(data)->managerAnnounced(registry, name, version);
    },
    // global_remove
    [](void *, wl_registry *, uint32_t) {},
};

// For offered(): only notes that the manager is there.
const wl_registry_listener ProbeListener = {
    [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
        if (std::strcmp(interface, ManagerInterface) == 0)
            *static_cast<bool *>(data) = true;
    },
    [](void *, wl_registry *, uint32_t) {},
};

} // namespace

WlrToplevelWatcher::WlrToplevelWatcher(const QString &display, QObject *parent)
    : ActiveWindowWatcher(parent)
    , m_displayName(display)
{ }

WlrToplevelWatcher::~WlrToplevelWatcher()
{
    stop();
}

bool WlrToplevelWatcher::offered(const QString &display)
{
    wl_display *connection = connectTo(display);
    if (!connection)
        return false;
    bool found = false;
    wl_registry *registry = wl_display_get_registry(connection);
    wl_registry_add_listener(registry, &ProbeListener, &found);
    wl_display_roundtrip(connection);
    wl_registry_destroy(registry);
    wl_display_disconnect(connection);
    return found;
}

bool WlrToplevelWatcher::start()
{
    if (m_display)
        return true;
    m_display = connectTo(m_displayName);
    if (!m_display)
        return false;
    m_last = ActiveWindow();
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &RegistryListener, this);
    // The first round trip brings the globals; the second the windows open now.
    if (wl_display_roundtrip(m_display) < 0 || !m_manager || wl_display_roundtrip(m_display) < 0) {
        stop();
        return false;
    }
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WlrToplevelWatcher::readEvents);
    reportActive();
    return true;
}

void WlrToplevelWatcher::stop()
{
    if (!m_display)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    for (const auto &toplevel : m_toplevels)
        zwlr_foreign_toplevel_handle_v1_destroy(toplevel->handle);
    m_toplevels.clear();
    if (m_manager)
        zwlr_foreign_toplevel_manager_v1_destroy(m_manager);
    m_manager = nullptr;
    wl_registry_destroy(m_registry);
    m_registry = nullptr;
    wl_display_disconnect(m_display);
    m_display = nullptr;
}

QVector<ActiveWindow> WlrToplevelWatcher::openWindows() const
{
    QVector<ActiveWindow> windows;
    for (const auto &toplevel : m_toplevels) {
        ActiveWindow window;
        if (!toplevel->appId.isEmpty())
            window.classes << toplevel->appId;
        if (!window.isEmpty() && !windows.contains(window))
            windows << window;
    }
    return windows;
}

void WlrToplevelWatcher::managerAnnounced(wl_registry *registry, quint32 name, quint32 version)
{
    if (m_manager)
        return;
    m_manager = static_cast<zwlr_foreign_toplevel_manager_v1 *>(wl_registry_bind(
        registry, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, HighestVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(m_manager, &ManagerListener, this);
}

void WlrToplevelWatcher::addToplevel(zwlr_foreign_toplevel_handle_v1 *handle)
{
    auto toplevel = std::make_unique<Toplevel>();
    toplevel->watcher = this;
    toplevel->handle = handle;
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &HandleListener, toplevel.get());
    m_toplevels.push_back(std::move(toplevel));
}

void WlrToplevelWatcher::toplevelDone(Toplevel *toplevel)
{
    toplevel->appId = toplevel->pendingAppId;
    toplevel->activated = toplevel->pendingActivated;
}

void WlrToplevelWatcher::toplevelClosed(Toplevel *toplevel)
{
    zwlr_foreign_toplevel_handle_v1_destroy(toplevel->handle);
    m_toplevels.erase(std::remove_if(m_toplevels.begin(), m_toplevels.end(),
                                     [toplevel](const auto &entry) { return entry.get() == toplevel; }),
                      m_toplevels.end());
}

void WlrToplevelWatcher::managerFinished()
{
    // The compositor destroys the manager itself; only the proxy is left to free.
    wl_proxy_destroy(reinterpret_cast<wl_proxy *>(m_manager));
    m_manager = nullptr;
}

void WlrToplevelWatcher::readEvents()
{
    if (!m_display)
        return;
    // Events already queued are dispatched first, as the read protocol of libwayland-client asks.
    while (wl_display_prepare_read(m_display) != 0)
        wl_display_dispatch_pending(m_display);
    wl_display_flush(m_display);
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0) {
        qCWarning(lcPlatform) << "the Wayland compositor closed the window list connection";
        stop();
        return;
    }
    // Requests of our own (a closed handle's destruction) go out at once.
    wl_display_flush(m_display);
    // Told only now, out of libwayland's dispatch: a receiver may stop the watcher.
    reportActive();
}

void WlrToplevelWatcher::reportActive()
{
    ActiveWindow window;
    for (const auto &toplevel : m_toplevels) {
        if (toplevel->activated && !toplevel->appId.isEmpty()) {
            window.classes << toplevel->appId;
            break;
        }
    }
    if (window == m_last)
        return;
    m_last = window;
    emit activeWindowChanged(window);
}
