#include "ui/main/BatteryDisplayState.h"

#include "device/status/BatteryReport.h"

BatteryDisplayState::BatteryDisplayState(int savedLevel)
{
    if (savedLevel >= 10 && savedLevel <= 100)
        m_level = savedLevel;
    m_barValue = m_level;
}

bool BatteryDisplayState::takeReport(const BatteryReport &report, bool cablePresent)
{
    m_mouseOff = report.asleep;
    if (m_mouseOff) {
        // A charging flag from before would keep the footer on "charging" and hide "MOUSE OFF".
        m_charging = false;
        return false;
    }
    m_cableAtLastReport = cablePresent;
    const bool changed = report.level != m_level;
    m_level = report.level;
    m_barValue = cablePresent ? 100 : report.level;
    m_charging = report.charging;
    return changed;
}

void BatteryDisplayState::updateConnection(bool cablePresent, bool receiverPresent)
{
    if (cablePresent)
        m_connectionState = receiverPresent ? Charging : Cable;
    else if (receiverPresent)
        m_connectionState = m_charging ? Charging : Receiver;
    else
        m_connectionState = Disconnected;
}

QString BatteryDisplayState::connectionPicture() const
{
    return m_connectionState <= Charging ? QStringLiteral("/bat2.png") : QStringLiteral("/bat1.png");
}

QString BatteryDisplayState::styleSheet(double uiScale, const QString &accentCss) const
{
    const int fontSize = int(16 * uiScale);
    if (m_mouseOff) {
        return QStringLiteral(
                   "QProgressBar{background-color:rgb(100,100,100);color:rgb(255, 255, 255);"
                   "font-weight:bold;text-align:center;font-size:%1px;border-radius:2px;border:none;}"
                   "QProgressBar::chunk{background-color:rgb(100,100,100);border-radius:2px;}")
            .arg(fontSize);
    }
    return QStringLiteral("QProgressBar{background-color:#FFFFFF;color:rgb(0, 0, 0);font-weight:bold;"
                          "text-align:center;font-size:%1px;border-radius:2px;border:none;}"
                          "QProgressBar::chunk{background-color:%2;border-radius:2px;}")
        .arg(fontSize)
        .arg(accentCss);
}
