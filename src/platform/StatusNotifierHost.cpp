#include "platform/StatusNotifierHost.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int BusTimeoutMs = 1000;
} // namespace

StatusNotifierHost::StatusNotifierHost(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_watcher(new QDBusServiceWatcher(WatcherService, bus, QDBusServiceWatcher::WatchForRegistration, this))
{
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &StatusNotifierHost::watcherAppeared);
    // From whichever program owns the watcher's name, now or later.
    m_bus.connect(QString(), WatcherPath, WatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                  SLOT(hostSignal()));
}

bool StatusNotifierHost::registeredOn(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(WatcherService, WatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = QDBusConnection(bus).call(get, QDBus::Block, BusTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && reply.arguments().at(0).value<QDBusVariant>().variant().toBool();
}

void StatusNotifierHost::hostSignal()
{
    emit hostRegistered();
}

void StatusNotifierHost::watcherAppeared()
{
    if (registered())
        emit hostRegistered();
}
