#include "platform/AppBusName.h"

#include <QDBusConnectionInterface>

QString AppBusName::serviceName()
{
    return QStringLiteral("org.mousecfg.mousecfg");
}

QString AppBusName::objectPath()
{
    return QStringLiteral("/org/mousecfg/mousecfg");
}

AppBusName::AppBusName(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{ }

AppBusName::~AppBusName()
{
    for (const QString &path : qAsConst(m_paths))
        m_bus.unregisterObject(path);
    if (m_owned)
        m_bus.unregisterService(serviceName());
}

bool AppBusName::registerObject(const QString &path, QObject *object, QDBusConnection::RegisterOptions options)
{
    if (!m_bus.isConnected() || !m_bus.registerObject(path, object, options))
        return false;
    m_paths << path;
    return true;
}

bool AppBusName::own()
{
    if (m_owned)
        return true;
    QDBusConnectionInterface *bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!bus)
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus->registerService(
        serviceName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    m_owned = reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
    return m_owned;
}
