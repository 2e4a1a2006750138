#include "storage/ConfigData.h"

#include <algorithm>

namespace {
template<typename T, int N> bool sameArray(const T (&a)[N], const T (&b)[N])
{
    return std::equal(a, a + N, b);
}
} // namespace

bool operator==(const DpiStage &a, const DpiStage &b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const ButtonInfo &a, const ButtonInfo &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4
        && sameArray(a.KeyInfo, b.KeyInfo) && a.macroname == b.macroname;
}

bool operator==(const LedModeInfo &a, const LedModeInfo &b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright
        && a.breath == b.breath;
}

bool operator==(const ProfileData &a, const ProfileData &b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode
        && a.LedMoveOFF == b.LedMoveOFF && a.LedSleepTime == b.LedSleepTime && a.mousespeed == b.mousespeed
        && a.dbclickspeed == b.dbclickspeed && a.scrollispage == b.scrollispage
        && a.scrollspeed == b.scrollspeed && a.accelenable == b.accelenable && a.acee == b.acee
        && sameArray(a.stages, b.stages) && sameArray(a.buttons, b.buttons)
        && sameArray(a.ledModes, b.ledModes) && a.ProfileName == b.ProfileName
        && a.ProfilePath == b.ProfilePath;
}

bool operator==(const ConfigData &a, const ConfigData &b)
{
    return a.ProfileID == b.ProfileID && a.AngleValue == b.AngleValue && a.LiftHigh == b.LiftHigh
        && a.Sync == b.Sync && a.Count == b.Count && a.Jitter == b.Jitter && a.Debounce == b.Debounce
        && a.Wake == b.Wake && a.SensorMode == b.SensorMode && sameArray(a.profiles, b.profiles)
        && sameArray(a.profileNames, b.profileNames);
}
