#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <memory>
#include <vector>

struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;
class QSocketNotifier;

// The watcher for wlroots compositors (Hyprland, labwc, river, sway...): a Wayland connection of its own,
// apart from the one Qt's windows use, lists the compositor's toplevel windows through the foreign
// toplevel protocol; the one in the activated state is in front. The protocol tells no process, so a
// window is known by its app id alone.
class WlrToplevelWatcher : public ActiveWindowWatcher
{
    Q_OBJECT
public:
    // A watcher for the compositor on Wayland display `display` ($WAYLAND_DISPLAY when empty).
    explicit WlrToplevelWatcher(const QString &display = QString(), QObject *parent = nullptr);
    ~WlrToplevelWatcher() override;

    bool start() override;
    void stop() override;
    QVector<ActiveWindow> openWindows() const override;

    // True when the compositor on `display` ($WAYLAND_DISPLAY when empty) offers the protocol.
    static bool offered(const QString &display = QString());

    // One toplevel window, as its handle's events describe it (public for the protocol's listeners).
    struct Toplevel
    {
        WlrToplevelWatcher *watcher = nullptr;
        zwlr_foreign_toplevel_handle_v1 *handle = nullptr;
        QString appId, pendingAppId;
        bool activated = false, pendingActivated = false;
    };
    // The protocol's events, from the listeners; the window in front is told after each dispatch.
    void addToplevel(zwlr_foreign_toplevel_handle_v1 *handle);
    void toplevelDone(Toplevel *toplevel);
    void toplevelClosed(Toplevel *toplevel);
    void managerFinished();
    void managerAnnounced(wl_registry *registry, quint32 name, quint32 version);

private:
    void readEvents();
    void reportActive();

    QString m_displayName;
    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    zwlr_foreign_toplevel_manager_v1 *m_manager = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    std::vector<std::unique_ptr<Toplevel>> m_toplevels;
    ActiveWindow m_last;
};
