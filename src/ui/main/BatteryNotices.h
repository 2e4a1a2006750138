#pragma once

// When to warn of a low battery: once when the level first falls to 20 % or below, once more at 10 %,
// and not again until the mouse has charged (a charging report, the cable, or a level back at 50 %).
class BatteryNotices
{
public:
    enum Notice { NoNotice, LowNotice, CriticalNotice };
    static constexpr int LowLevel = 20;
    static constexpr int CriticalLevel = 10;
    // A level this high means the battery was charged elsewhere (readings wobble by one step).
    static constexpr int ChargedLevel = 50;

    // Takes a battery level (10..100; 0 or less: none known) and whether the mouse charges; returns the
    // notice to show now.
    Notice takeLevel(int level, bool charging);

private:
    bool m_lowSent = false;
    bool m_criticalSent = false;
};
