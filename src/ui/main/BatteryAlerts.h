#pragma once

#include "ui/main/BatteryNotices.h"

#include <QObject>

class BatteryDisplayState;
class DesktopNotifications;

// What the desktop hears of the battery: the desktop notices of a low battery (unless
// "Config/BatteryNotices" is 0) and the tray tooltip text.
class BatteryAlerts : public QObject
{
    Q_OBJECT
public:
    // Notices through `notifications` (not owned; null: none are sent).
    explicit BatteryAlerts(DesktopNotifications *notifications, QObject *parent = nullptr);

    // Takes the display state after a battery report of the mouse named `product`.
    void takeReport(const BatteryDisplayState &state, const QString &product);
    // The tray tooltip for `state`: the product and its battery level, charging, off or not connected.
    static QString toolTip(const BatteryDisplayState &state, const QString &product);

signals:
    // A notice was sent (tests and the window's log).
    void noticeSent(BatteryNotices::Notice notice, int level);

private:
    DesktopNotifications *m_notifications;
    BatteryNotices m_rules;
};
