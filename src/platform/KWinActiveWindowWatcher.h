#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QTemporaryFile>

#include <memory>

// The KDE Plasma (Wayland) watcher: a small KWin script, loaded through KWin's scripting interface on the
// session bus, calls back with the resource class, resource name and process id of every window that
// comes to the front.
class KWinActiveWindowWatcher : public ActiveWindowWatcher, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mousecfg.ActiveWindow")
public:
    // The name the script is loaded under, and the object path it calls.
    static const QString PluginName;
    static const QString ObjectPath;

    // A watcher talking to KWin over `bus`.
    explicit KWinActiveWindowWatcher(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                                     QObject *parent = nullptr);
    ~KWinActiveWindowWatcher() override;

    bool start() override;
    void stop() override;
    // The script's text, calling back to the bus name `service`.
    static QString scriptText(const QString &service);

public slots:
    // Called by the script over the bus; calls from anyone but KWin are ignored.
    Q_SCRIPTABLE void windowActivated(const QString &resourceClass, const QString &resourceName,
                                      const QString &pid);

private:
    QDBusConnection m_bus;
    QString m_kwinOwner;
    std::unique_ptr<QTemporaryFile> m_script;
    bool m_running = false;
    ActiveWindow m_last;
};
