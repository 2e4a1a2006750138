#include "core/MouseBusService.h"

#include "core/BusErrors.h"
#include "core/MouseAdaptor.h"

#include <QDBusMessage>
#include <QVariantMap>

QString MouseBusService::objectPath()
{
    return QStringLiteral("/org/mousecfg/Mouse");
}

QString MouseBusService::interfaceName()
{
    return QStringLiteral("org.mousecfg.Mouse1");
}

MouseBusService::MouseBusService(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    new MouseAdaptor(this);
}

void MouseBusService::setState(const MouseState &state)
{
    QVariantMap changed;
    if (state.connection != m_state.connection)
        changed.insert(QStringLiteral("Connection"), state.connection);
    if (state.battery != m_state.battery)
        changed.insert(QStringLiteral("Battery"), state.battery);
    if (state.charging != m_state.charging)
        changed.insert(QStringLiteral("Charging"), state.charging);
    if (state.asleep != m_state.asleep)
        changed.insert(QStringLiteral("Asleep"), state.asleep);
    if (state.slot != m_state.slot)
        changed.insert(QStringLiteral("Slot"), state.slot);
    if (state.dpiStage != m_state.dpiStage)
        changed.insert(QStringLiteral("DpiStage"), state.dpiStage);
    if (state.reportRate != m_state.reportRate)
        changed.insert(QStringLiteral("ReportRate"), state.reportRate);
    m_state = state;
    if (changed.isEmpty() || !m_bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interfaceName() << changed << QStringList();
    m_bus.send(signal);
}

void MouseBusService::replyError(int exitCode, const QString &message)
{
    if (calledFromDBus())
        sendErrorReply(BusErrors::name(exitCode), message);
}
