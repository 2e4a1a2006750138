#pragma once

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Desktop notifications through the freedesktop notification service on the session bus. Calls are
// asynchronous: a missing service or bus never holds up the caller, the notice is simply not shown.
class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    // How urgent a notice is; critical ones stay until dismissed on most desktops.
    enum Urgency { Normal = 1, Critical = 2 };

    // Notifications on the session bus, reached at the first notice (not while the window starts).
    explicit DesktopNotifications(QObject *parent = nullptr);
    // Notifications on `bus` (tests use a bus of their own).
    explicit DesktopNotifications(const QDBusConnection &bus, QObject *parent = nullptr);

    // Shows a notice; it replaces the one this object showed last, if that is still up.
    void notify(const QString &summary, const QString &body, Urgency urgency);

signals:
    // The service accepted a notice and gave it `id`.
    void shown(uint id);

private:
    std::optional<QDBusConnection> m_bus;
    uint m_lastId = 0;
};
