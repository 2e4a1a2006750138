#include "appprofiles/AppSwitchPolicy.h"

AppSwitchPolicy::AppSwitchPolicy(RulesSource rules, CurrentSlot current, Blocker blocker, Switcher switcher,
                                 QObject *parent)
    : QObject(parent)
    , m_rules(std::move(rules))
    , m_current(std::move(current))
    , m_blocker(std::move(blocker))
    , m_switcher(std::move(switcher))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &AppSwitchPolicy::decide);
}

void AppSwitchPolicy::activeWindowChanged(const ActiveWindow &window)
{
    m_window = window;
    // Only a window that stays in front decides; each change starts the wait again.
    if (window.isEmpty() || (m_ownPid > 0 && window.pid == m_ownPid))
        m_settle.stop();
    else
        m_settle.start();
}

void AppSwitchPolicy::decide()
{
    const AppProfileRules rules = m_rules();
    if (!rules.switchingActive())
        return;
    const int slot = rules.slotFor(m_window);
    if (slot == AppProfileRules::KeepSlot || slot == m_current())
        return;
    const QString reason = m_blocker ? m_blocker() : QString();
    if (!reason.isEmpty()) {
        emit held(slot, reason);
        return;
    }
    if (m_switcher(slot)) {
        m_refusalShown = false;
        emit switched(slot, m_window);
        return;
    }
    if (!m_refusalShown) {
        m_refusalShown = true;
        emit refused(slot);
    }
}
