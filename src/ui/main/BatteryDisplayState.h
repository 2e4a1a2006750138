#pragma once

#include <QString>

struct BatteryReport;

// What the footer shows for the mouse's connection and battery, worked out from the battery reports
// and the presence of the receiver's and the cable's command interfaces.
class BatteryDisplayState
{
public:
    // How the mouse is reached: 0 cable, 1 receiver and cable or charging, 2 receiver on battery,
    // 3 neither command interface.
    enum ConnectionState { Cable = 0, Charging = 1, Receiver = 2, Disconnected = 3 };

    // Starts from the level last saved (10..100, anything else: none yet).
    explicit BatteryDisplayState(int savedLevel = 0);

    // Takes a battery report. Returns true when the level changed (the caller saves it).
    bool takeReport(const BatteryReport &report, bool cablePresent);
    // Works out the connection state from the presence facts and the last charging flag.
    void updateConnection(bool cablePresent, bool receiverPresent);

    // True when the last report said the mouse is off or asleep.
    bool mouseOff() const { return m_mouseOff; }
    // The last level shown (0 before any).
    int level() const { return m_level; }
    // The bar's value: 100 while the cable's command interface is present, else the level.
    int barValue() const { return m_barValue; }
    // The progress text format: "%p%" through the receiver, empty with the cable.
    QString progressFormat() const { return m_cableAtLastReport ? QString() : QStringLiteral("%p%"); }
    // The current connection state.
    ConnectionState connectionState() const { return m_connectionState; }
    // True when the receiver icon is shown.
    bool receiverIconShown() const { return m_connectionState == Charging || m_connectionState == Receiver; }
    // True when the battery bar is shown.
    bool batteryBarShown() const { return m_connectionState >= Receiver; }
    // The skin picture of the connection area for the state ("/bat2.png" or "/bat1.png").
    QString connectionPicture() const;

    // The bar's style sheet: grey while the mouse is off, white with an accent chunk otherwise.
    QString styleSheet(double uiScale, const QString &accentCss) const;

private:
    int m_level = 0;
    int m_barValue = 0;
    bool m_mouseOff = false;
    bool m_charging = false;
    bool m_cableAtLastReport = false;
    ConnectionState m_connectionState = Disconnected;
};
