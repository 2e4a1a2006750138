#include "ui/main/BatteryNotices.h"

BatteryNotices::Notice BatteryNotices::takeLevel(int level, bool charging)
{
    if (charging || level >= ChargedLevel) {
        m_lowSent = false;
        m_criticalSent = false;
        return NoNotice;
    }
    if (level <= 0)
        return NoNotice;
    if (level <= CriticalLevel && !m_criticalSent) {
        // A fall straight to 10 % warns once, not twice.
        m_criticalSent = true;
        m_lowSent = true;
        return CriticalNotice;
    }
    if (level <= LowLevel && !m_lowSent) {
        m_lowSent = true;
        return LowNotice;
    }
    return NoNotice;
}
