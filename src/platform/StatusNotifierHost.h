#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

// Whether a StatusNotifierItem host (the tray of Plasma, of GNOME's AppIndicator extension, of
// waybar...) is registered on the session bus, and when one comes. Qt asks this only once per run
// and falls back to X11 tray code on Wayland, so the program asks before Qt does.
class StatusNotifierHost : public QObject
{
    Q_OBJECT
public:
    // Watches `bus` from now on.
    explicit StatusNotifierHost(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                QObject *parent = nullptr);

    // True when a host is registered on `bus` now; waits at most a second for the bus.
    static bool registeredOn(const QDBusConnection &bus);
    // True when a host is registered on the watched bus now.
    bool registered() const { return registeredOn(m_bus); }

signals:
    // A host registered (or a watcher with a host already registered came).
    void hostRegistered();

private slots:
    void hostSignal();

private:
    void watcherAppeared();

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_watcher;
};
