#include "ui/main/BatteryAlerts.h"

#include "platform/DesktopNotifications.h"
#include "storage/AppSettings.h"
#include "ui/main/BatteryDisplayState.h"

BatteryAlerts::BatteryAlerts(DesktopNotifications *notifications, QObject *parent)
    : QObject(parent)
    , m_notifications(notifications)
{ }

void BatteryAlerts::takeReport(const BatteryDisplayState &state, const QString &product)
{
    // An off mouse says nothing of its battery.
    if (state.mouseOff())
        return;
    const bool charging = state.connectionState() == BatteryDisplayState::Charging
        || state.connectionState() == BatteryDisplayState::Cable;
    const BatteryNotices::Notice notice = m_rules.takeLevel(state.level(), charging);
    if (notice == BatteryNotices::NoNotice || !BatteryNoticesEnabled())
        return;
    if (m_notifications) {
        if (notice == BatteryNotices::CriticalNotice)
            m_notifications->notify(
                tr("Mouse battery almost empty"),
                tr("%1: %2% left. Connect the cable to charge it.").arg(product).arg(state.level()),
                DesktopNotifications::Critical);
        else
            m_notifications->notify(tr("Mouse battery low"),
                                    tr("%1: %2% left. Charge it soon.").arg(product).arg(state.level()),
                                    DesktopNotifications::Normal);
    }
    emit noticeSent(notice, state.level());
}

QString BatteryAlerts::toolTip(const BatteryDisplayState &state, const QString &product)
{
    QString status;
    switch (state.connectionState()) {
    case BatteryDisplayState::Disconnected:
        status = tr("Not connected");
        break;
    case BatteryDisplayState::Cable:
    case BatteryDisplayState::Charging:
        status = tr("Charging");
        break;
    case BatteryDisplayState::Receiver:
        if (state.level() > 0)
            status = tr("Battery: %1%").arg(state.level());
        break;
    }
    // The connection facts and the off report are separate: an off mouse behind its receiver.
    if (state.mouseOff() && state.connectionState() != BatteryDisplayState::Disconnected)
        status = tr("MOUSE OFF");
    return status.isEmpty() ? product : product + QLatin1Char('\n') + status;
}
