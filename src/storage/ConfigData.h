#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// The in-memory configuration records: plain copyable values, field order and widths as stored.

constexpr int ProfileSlots = 5;
constexpr int DpiStageSlots = 8;
constexpr int ButtonSlots = 42;
constexpr int LedModeSlots = 14;
constexpr int KeyInfoSlots = 63;

// One three-byte macro event, identical to one KeyInfo entry of a button.
struct MacroEvent
{
    quint8 map = 0; // event type (bit 7 = press)
    quint8 L = 0; // second data byte ("DataL")
    quint8 H = 0; // first data byte ("DataH")

    bool operator==(const MacroEvent &o) const { return map == o.map && L == o.L && H == o.H; }
    bool operator!=(const MacroEvent &o) const { return !(*this == o); }
};

struct DpiStage
{
    quint8 used = 0; // 1 = stage enabled
    quint8 link = 0; // 1 = X and Y linked
    quint32 xy = 0; // resolution when linked
    quint32 x = 0;
    quint32 y = 0;
};

struct ButtonInfo
{
    qint32 ID = 0;
    qint32 Fun = 0; // function code; 200 = macro, 510 = gun file
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    MacroEvent KeyInfo[KeyInfoSlots];
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;
};

struct LedModeInfo
{
    QColor RGB;
    qint32 h = 0;
    qint32 s = 0;
    qint32 v = 0;
    qint32 bright = 0;
    qint32 breath = 0;
};

struct ProfileData
{
    quint8 pollrate = 0;
    quint8 dpi = 0;
    quint8 LedMode = 0;
    quint8 spare1 = 0;
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    quint8 spare2[2] = {};
    DpiStage stages[DpiStageSlots];
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonInfo buttons[ButtonSlots];
    LedModeInfo ledModes[LedModeSlots];
    QString ProfileName;
    QString ProfilePath;
};

struct ConfigData
{
    quint8 ProfileID = 0;
    ProfileData profiles[ProfileSlots];
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    QString profileNames[ProfileSlots];
};

// Field-by-field equality; the spare bytes of ProfileData take no part.
bool operator==(const DpiStage &a, const DpiStage &b);
bool operator==(const ButtonInfo &a, const ButtonInfo &b);
bool operator==(const LedModeInfo &a, const LedModeInfo &b);
bool operator==(const ProfileData &a, const ProfileData &b);
bool operator==(const ConfigData &a, const ConfigData &b);
// Negations of the equalities.
inline bool operator!=(const DpiStage &a, const DpiStage &b)
{
    return !(a == b);
}
inline bool operator!=(const ButtonInfo &a, const ButtonInfo &b)
{
    return !(a == b);
}
inline bool operator!=(const LedModeInfo &a, const LedModeInfo &b)
{
    return !(a == b);
}
inline bool operator!=(const ProfileData &a, const ProfileData &b)
{
    return !(a == b);
}
inline bool operator!=(const ConfigData &a, const ConfigData &b)
{
    return !(a == b);
}
