#include "core/settings/ButtonAssignment.h"

#include "core/settings/ButtonCatalogue.h"
#include "storage/KeyTable.h"
#include "storage/MacroFile.h"

#include <algorithm>

namespace {

constexpr quint8 PressFlag = 0x80;
constexpr quint8 KeyEventL = 0x05;

// Right-hand modifiers are stored by their left-hand twin.
quint8 leftHandCode(quint8 code)
{
    switch (code) {
    case 54:
        return 42;
    case 238:
        return 29;
    case 92:
        return 91;
    case 239:
        return 56;
    default:
        return code;
    }
}

// Records 20..39 are kept in the files as read, but no button of the mouse takes them: a left
// click there leaves the mouse without one.
bool reachesMouse(int record)
{
    return record < 20 || record >= 40;
}

quint8 usageOf(quint8 code)
{
    quint8 usage = 0;
    KeyCodeToUsage(code, usage);
    return usage;
}

// Shift, Ctrl, Win and Alt by either side's key code; -1 for any other key.
int modifierIndex(quint8 code)
{
    static const quint8 sides[4][2] = { { 42, 54 }, { 29, 238 }, { 91, 92 }, { 56, 239 } };
    for (int m = 0; m < 4; ++m) {
        if (code == sides[m][0] || code == sides[m][1])
            return m;
    }
    return -1;
}

} // namespace

bool IsSendableKey(quint8 keyCode)
{
    quint8 usage = 0;
    return KeyCodeToUsage(keyCode, usage);
}

ComboCheck CheckCombination(const ComboKeys &keys, ComboKeys &ordered)
{
    if (keys.isEmpty())
        return ComboCheck::Empty;
    int modifiers[4] = { -1, -1, -1, -1 };
    int other = -1;
    for (quint8 code : keys) {
        if (!IsSendableKey(code))
            return ComboCheck::NotSendable;
        const int m = modifierIndex(code);
        int &slot = m >= 0 ? modifiers[m] : other;
        if (slot >= 0)
            return m >= 0 ? ComboCheck::RepeatedModifier : ComboCheck::SecondKey;
        slot = code;
    }
    ordered.clear();
    for (int code : modifiers) {
        if (code >= 0)
            ordered << quint8(code);
    }
    if (other >= 0)
        ordered << quint8(other);
    return ComboCheck::Valid;
}

PickCheck CheckPick(const ProfileData &profile, int record, int fun, int storedMacros)
{
    if (record < 0 || record >= ButtonSlots)
        return PickCheck::Allowed;
    if (profile.buttons[record].Fun == FunLeft && fun != FunLeft) {
        bool another = false;
        for (int i = 0; i < ButtonSlots && !another; ++i)
            another = i != record && reachesMouse(i) && profile.buttons[i].Fun == FunLeft;
        if (!another)
            return PickCheck::LastLeftClick;
    }
    if (fun == FunGunFile && record == 0)
        return PickCheck::GunFileOnLeftButton;
    if ((fun == FunMacro || fun == FunGunFile) && storedMacros == 0)
        return PickCheck::NoMacros;
    return PickCheck::Allowed;
}

void StoreSingleKey(ButtonInfo &button, quint8 keyCode)
{
    button.Fun = FunSingleKey;
    button.Res1 = keyCode;
}

void StoreCombination(ButtonInfo &button, const ComboKeys &keys)
{
    button.Fun = FunComboKey;
    std::fill(std::begin(button.KeyInfo), std::end(button.KeyInfo), MacroEvent());
    const int n = std::min(int(keys.size()), KeyInfoSlots / 2);
    for (int k = 0; k < n; ++k) {
        const quint8 usage = usageOf(leftHandCode(keys[k]));
        button.KeyInfo[k] = { usage, KeyEventL, PressFlag };
        button.KeyInfo[2 * n - 1 - k] = { usage, KeyEventL, 0 };
    }
}

ComboKeys CombinationOf(const ButtonInfo &button)
{
    ComboKeys keys;
    for (const MacroEvent &event : button.KeyInfo) {
        if (event.map == 0 || event.H != PressFlag)
            continue;
        quint8 code = 0;
        if (UsageToKeyCode(event.map, code))
            keys << code;
    }
    return keys;
}

bool StoreFireKey(ButtonInfo &button, const FireKeySetting &setting)
{
    if (setting.kind == FireKeySetting::KeyboardKey && !IsSendableKey(setting.keyCode))
        return false;
    button.Fun = FunFireKey;
    switch (setting.kind) {
    case FireKeySetting::RightButton:
        button.Res1 = 0x82;
        break;
    case FireKeySetting::MiddleButton:
        button.Res1 = 0x84;
        break;
    case FireKeySetting::KeyboardKey:
        button.Res1 = usageOf(setting.keyCode);
        break;
    default:
        button.Res1 = 0x81;
        break;
    }
    button.LoopNumber = setting.times;
    button.KeyNumber = setting.delay;
    return true;
}

FireKeySetting FireKeyOf(const ButtonInfo &button)
{
    FireKeySetting setting;
    switch (button.Res1) {
    case 0:
    case 0x81:
        setting.kind = FireKeySetting::LeftButton;
        break;
    case 0x82:
        setting.kind = FireKeySetting::RightButton;
        break;
    case 0x84:
        setting.kind = FireKeySetting::MiddleButton;
        break;
    default:
        setting.kind = FireKeySetting::KeyboardKey;
        UsageToKeyCode(button.Res1, setting.keyCode);
        break;
    }
    setting.delay = button.KeyNumber == 0 ? 10 : button.KeyNumber;
    setting.times = button.LoopNumber == 0 ? 3 : button.LoopNumber;
    return setting;
}

void StoreSniper(ButtonInfo &button, quint8 step)
{
    button.Fun = FunSniper;
    button.Res1 = step;
}

void StoreMacro(ButtonInfo &button, int fun, const QString &name, int loopCount, int loopMode)
{
    button.Fun = fun;
    button.LoopNumber = loopCount;
    button.Res1 = quint8(loopMode);
    button.macroname = name;
    MacroEvent events[KeyInfoSlots];
    int count = 0;
    ReadMacroEvents(name, events, count);
    button.KeyNumber = count;
    std::copy(events, events + count, button.KeyInfo);
}

bool HoldsMacro(const ButtonInfo &button)
{
    return button.Fun == FunMacro || button.Fun == FunGunFile;
}
