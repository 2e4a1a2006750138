#include "storage/ConfigRecords.h"

#include "storage/MacroFile.h"
#include "storage/ProductDefinition.h"
#include "storage/SensorSettings.h"

#include <algorithm>

namespace {

constexpr int MacroFunction = 200;

void applyTemplate(ProfileData &out, const ProfileTemplate &t)
{
    out.pollrate = quint8(t.pollrate);
    out.LedMode = t.LedMode;
    out.dpi = t.dpi;
    out.LedMoveOFF = t.LedMoveOFF;
    out.LedSleepTime = 1;
    for (int i = 0; i < DpiStageSlots; ++i) {
        const quint32 xy = quint32(t.stageXY[i]);
        out.stages[i] = DpiStage { 1, 1, xy, xy, xy };
    }
    for (int b = 0; b < 16; ++b) {
        const ProfileTemplate::Button &from = t.buttons[b];
        ButtonInfo &to = out.buttons[b];
        to.ID = from.ID;
        to.Fun = from.Fun;
        to.LoopNumber = from.LoopNumber;
        to.KeyNumber = from.KeyNumber;
        to.Res1 = from.Res1;
        to.Res2 = from.Res2;
        to.Res3 = from.Res3;
        to.Res4 = from.Res4;
    }
    for (int m = 0; m < LedModeSlots; ++m)
        out.ledModes[m]
            = LedModeInfo { t.ledModes[m].RGB, 360, 0, 0, t.ledModes[m].bright, t.ledModes[m].breath };
}

void applyBuiltIn(ProfileData &out)
{
    static const quint32 resolutions[DpiStageSlots] = { 8, 12, 16, 24, 50, 75, 0, 0 };
    static const qint32 functions[7] = { 1, 2, 3, 4, 5, 4, 5 };
    out.LedMode = 9;
    out.LedMoveOFF = 0;
    out.LedSleepTime = 1;
    for (int i = 0; i < DpiStageSlots; ++i)
        out.stages[i] = DpiStage { 1, 1, resolutions[i], resolutions[i], resolutions[i] };
    for (int b = 0; b < 7; ++b)
        out.buttons[b].Fun = functions[b];
    for (LedModeInfo &effect : out.ledModes)
        effect = LedModeInfo { QColor(255, 0, 0), 360, 0, 0, 3, 3 };
    out.ledModes[4].breath = 2;
    out.ledModes[9].breath = 4;
    out.ledModes[10].breath = 5;
    out.ledModes[10].RGB = QColor(0, 255, 0);
    out.ledModes[12].breath = 1;
}

bool generalDiffers(const ConfigData &a, const ConfigData &b)
{
    for (int k = 0; k < ProfileSlots; ++k) {
        if (a.profiles[k].pollrate != b.profiles[k].pollrate
            || a.profiles[k].scrollspeed != b.profiles[k].scrollspeed)
            return true;
    }
    if (a.LiftHigh != b.LiftHigh || a.Sync != b.Sync || a.Jitter != b.Jitter || a.Debounce != b.Debounce
        || a.Wake != b.Wake || a.SensorMode != b.SensorMode || a.AngleValue != b.AngleValue)
        return true;
    if (a.ProfileID != b.ProfileID)
        return true;
    if (a.ProfileID >= ProfileSlots)
        return false;
    const ProfileData &x = a.profiles[a.ProfileID];
    const ProfileData &y = b.profiles[a.ProfileID];
    return x.dpi != y.dpi || x.LedMode != y.LedMode || x.LedMoveOFF != y.LedMoveOFF
        || x.LedSleepTime != y.LedSleepTime;
}

bool dpiDiffers(const ConfigData &a, const ConfigData &b)
{
    for (int k = 0; k < ProfileSlots; ++k) {
        for (int i = 0; i < DpiStageSlots; ++i) {
            const DpiStage &x = a.profiles[k].stages[i];
            const DpiStage &y = b.profiles[k].stages[i];
            if (x.used != y.used || x.x != y.x || x.y != y.y)
                return true;
        }
    }
    return false;
}

bool sameKeyInfo(const ButtonInfo &x, const ButtonInfo &y)
{
    return std::equal(x.KeyInfo, x.KeyInfo + KeyInfoSlots, y.KeyInfo);
}

// Clears a set macro mark on the way: the upload that follows sends the macro again.
bool buttonsDiffer(const ConfigData &a, const ConfigData &b)
{
    for (int k = 0; k < ProfileSlots; ++k) {
        for (int n = 0; n < ButtonSlots; ++n) {
            const ButtonInfo &x = a.profiles[k].buttons[n];
            const ButtonInfo &y = b.profiles[k].buttons[n];
            if (x.ID != y.ID || x.Fun != y.Fun || x.LoopNumber != y.LoopNumber || x.KeyNumber != y.KeyNumber
                || x.Res1 != y.Res1 || x.Res2 != y.Res2 || x.Res3 != y.Res3 || x.Res4 != y.Res4)
                return true;
            if (!sameKeyInfo(x, y))
                return true;
            if (x.Fun != MacroFunction)
                continue;
            if (x.macroname != y.macroname)
                return true;
            if (MacroChanged(x.macroname)) {
                ClearMacroChanged(x.macroname);
                return true;
            }
        }
    }
    return false;
}

bool lightingDiffers(const ConfigData &a, const ConfigData &b)
{
    for (int k = 0; k < ProfileSlots; ++k) {
        const ProfileData &x = a.profiles[k];
        const ProfileData &y = b.profiles[k];
        if (x.LedMode != y.LedMode)
            return true;
        // An effect number past the table selects no effect to compare.
        if (x.LedMode < LedModeSlots && x.ledModes[x.LedMode] != y.ledModes[x.LedMode])
            return true;
    }
    return false;
}

} // namespace

void MakeFactoryProfile(ProfileData &out)
{
    out = ProfileData();
    out.pollrate = 1;
    out.dpi = 1;
    out.accelenable = 1;
    out.acee = 1;
    out.mousespeed = 10;
    out.dbclickspeed = 5;
    out.scrollispage = 0;
    out.scrollspeed = 1;
    out.LedMode = 1;

    ProfileTemplate productTemplate;
    if (LoadProfileTemplate(productTemplate) == 0)
        applyTemplate(out, productTemplate);
    else
        applyBuiltIn(out);
    out.buttons[40].Fun = 52;
    out.buttons[41].Fun = 53;
}

void MakeFactoryConfig(ConfigData &out)
{
    out.ProfileID = 0;
    SetFactorySensorSettings(out);
    MakeFactoryProfile(out.profiles[0]);
    for (int k = 0; k < ProfileSlots; ++k) {
        // Every slot is reset: the old content of slots 1..4 would otherwise be saved under the factory
        // names.
        out.profiles[k] = out.profiles[0];
        out.profileNames[k] = QStringLiteral("Profile %1").arg(k + 1);
    }
}

int ChangedGroups(const ConfigData &current, const ConfigData &lastSent)
{
    int mask = 0;
    if (generalDiffers(current, lastSent))
        mask |= GroupGeneral;
    if (dpiDiffers(current, lastSent))
        mask |= GroupDpi;
    if (buttonsDiffer(current, lastSent))
        mask |= GroupButtons;
    if (lightingDiffers(current, lastSent))
        mask |= GroupLighting;
    return mask;
}
