#pragma once

#include <QDBusConnection>
#include <QObject>

// The program's well-known name on the session bus, "org.mousecfg.mousecfg" (the desktop entry's id).
// Every part that offers a D-Bus interface registers its object here; the name is asked for once, after
// the first objects are in place, so that a caller never finds the name without them.
class AppBusName : public QObject
{
    Q_OBJECT
public:
    // The bus name.
    static QString serviceName();
    // The object path of the desktop's standard interfaces ("/org/mousecfg/mousecfg").
    static QString objectPath();

    // Works on `bus`; the session bus by default.
    explicit AppBusName(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~AppBusName() override;

    // Exports `object` (its adaptors) at `path`; false without a bus or when the path is taken.
    bool registerObject(const QString &path, QObject *object,
                        QDBusConnection::RegisterOptions options = QDBusConnection::ExportAdaptors);
    // Asks for the name, never queueing for it; false when another program holds it or there is no bus.
    bool own();
    // True once the name is ours.
    bool owned() const { return m_owned; }
    // The connection the objects live on.
    QDBusConnection connection() const { return m_bus; }

private:
    QDBusConnection m_bus;
    QStringList m_paths;
    bool m_owned = false;
};
