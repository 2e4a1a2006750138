#pragma once

#include "storage/ConfigData.h"

#include <QString>
#include <QVector>

// The rules of putting a function on a button record, without any window. Every store writes only
// the fields its function uses; the others keep what they held.

// Why a pick is refused before any dialog opens.
enum class PickCheck {
    Allowed,
    LastLeftClick, // the record holds the profile's only left click that reaches the mouse
    GunFileOnLeftButton, // gun files are not allowed on record 0
    NoMacros, // a macro function was picked while no macro is stored
};

// Checks picking function `fun` for record `record` of `profile`; `storedMacros` is the number of
// macros in the macro list.
PickCheck CheckPick(const ProfileData &profile, int record, int fun, int storedMacros);

// The keys of a combination in the order Shift, Ctrl, Win, Alt, other key, as key codes.
using ComboKeys = QVector<quint8>;

// True when the mouse can send key `keyCode`: it has a USB HID keyboard usage.
bool IsSendableKey(quint8 keyCode);

// Function 6 with key code `keyCode`.
void StoreSingleKey(ButtonInfo &button, quint8 keyCode);
// Function 7: KeyInfo cleared, then the presses of `keys` in order and their releases in reverse;
// a modifier is stored by its left-hand code. KeyNumber is left alone.
void StoreCombination(ButtonInfo &button, const ComboKeys &keys);
// Why a combination cannot be stored.
enum class ComboCheck {
    Valid,
    Empty, // no key at all
    RepeatedModifier, // Shift, Ctrl, Win or Alt twice (either side)
    SecondKey, // more than one key besides the modifiers
    NotSendable, // a key without a keyboard usage
};
// Checks `keys` as the combination dialog can yield them: each of Shift, Ctrl, Win and Alt at most once,
// at most one other key, every key sendable. When valid, `ordered` holds them in the dialog's order
// (Shift, Ctrl, Win, Alt, other key), which is also the order the mouse presses them.
ComboCheck CheckCombination(const ComboKeys &keys, ComboKeys &ordered);
// The combination a record holds: the keys of its presses (read back through their HID usage).
ComboKeys CombinationOf(const ButtonInfo &button);

// What the fire-key dialog yields.
struct FireKeySetting
{
    enum Kind { LeftButton = 0, RightButton = 1, MiddleButton = 2, KeyboardKey = 3 };
    int kind = LeftButton;
    quint8 keyCode = 0; // the key for KeyboardKey
    int times = 3; // 1..255
    int delay = 100; // 1..255
};
// Function 12: Res1 = 0x81/0x82/0x84 or the key's HID usage, LoopNumber, KeyNumber. False (the record
// unchanged) for a keyboard key the mouse cannot send: the mouse would take it for a left click.
bool StoreFireKey(ButtonInfo &button, const FireKeySetting &setting);
// The dialog's preset from a record holding function 12 (delay 10 and times 3 where 0 is stored).
FireKeySetting FireKeyOf(const ButtonInfo &button);

// Function 55 with resolution step `step`.
void StoreSniper(ButtonInfo &button, quint8 step);

// Function 200 or 510 with macro `name`: loop count and mode, and the events of its macro file
// (KeyNumber = its count; a missing file gives 0 and leaves KeyInfo alone).
void StoreMacro(ButtonInfo &button, int fun, const QString &name, int loopCount, int loopMode);

// True when the record carries a macro or gun file.
bool HoldsMacro(const ButtonInfo &button);
