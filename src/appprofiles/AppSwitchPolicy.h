#pragma once

#include "appprofiles/ActiveWindow.h"
#include "appprofiles/AppProfileRules.h"

#include <QObject>
#include <QTimer>

#include <functional>

// When the window in front calls for another slot: waits until the window has stayed in front for the
// settle time, reads the rules, and asks for the switch unless something forbids it now. A refused
// switch is reported once, until a switch succeeds again.
class AppSwitchPolicy : public QObject
{
    Q_OBJECT
public:
    // A window in front for less than this switches nothing.
    static constexpr int SettleMs = 300;

    // The rules in force (read again at every decision, so edits elsewhere count at once).
    using RulesSource = std::function<AppProfileRules()>;
    // The current slot, 0..4.
    using CurrentSlot = std::function<int()>;
    // Why no switch may happen now (an upload, a dialog, the recorder, no mouse); empty when one may.
    using Blocker = std::function<QString()>;
    // Selects a slot as the user would; true when the mouse took it.
    using Switcher = std::function<bool(int slot)>;

    explicit AppSwitchPolicy(RulesSource rules, CurrentSlot current, Blocker blocker, Switcher switcher,
                             QObject *parent = nullptr);

    // Windows of this process never switch (the user is setting the mouse up).
    void setOwnPid(qint64 pid) { m_ownPid = pid; }
    // The settle time; tests shorten or lengthen it.
    void setSettleMs(int ms) { m_settle.setInterval(ms); }

public slots:
    // The window in front changed.
    void activeWindowChanged(const ActiveWindow &window);

signals:
    // A switch to `slot` (0..4) was made for `window`.
    void switched(int slot, const ActiveWindow &window);
    // The mouse refused a switch to `slot`; sent once per run of refusals.
    void refused(int slot);
    // A switch to `slot` was due but `reason` forbade it.
    void held(int slot, const QString &reason);

private:
    void decide();

    RulesSource m_rules;
    CurrentSlot m_current;
    Blocker m_blocker;
    Switcher m_switcher;
    QTimer m_settle;
    ActiveWindow m_window;
    qint64 m_ownPid = -1;
    bool m_refusalShown = false;
};
