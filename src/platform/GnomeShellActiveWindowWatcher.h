#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <QDBusConnection>
#include <QDBusContext>

// The GNOME Shell (Wayland) watcher: mousecfg's shell extension calls windowActivated on the program's
// bus name with the class, application id and process id of every window that takes the focus. Starts
// only while the extension runs; nothing is loaded into the shell from here.
class GnomeShellActiveWindowWatcher : public ActiveWindowWatcher, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mousecfg.ActiveWindow")
public:
    // The object path the extension calls.
    static const QString ObjectPath;

    // A watcher listening on `bus` (the connection that owns the program's bus name).
    explicit GnomeShellActiveWindowWatcher(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                           QObject *parent = nullptr);
    ~GnomeShellActiveWindowWatcher() override;

    bool start() override;
    void stop() override;

public slots:
    // Called by the extension over the bus; calls from anyone but GNOME Shell are ignored.
    Q_SCRIPTABLE void windowActivated(const QString &windowClass, const QString &applicationId,
                                      const QString &pid);

private:
    QDBusConnection m_bus;
    QString m_shellOwner;
    bool m_running = false;
    ActiveWindow m_last;
};
