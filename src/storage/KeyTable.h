#pragma once

#include <QString>
#include <QtGlobal>

// The system's key codes: set-1 scan codes 1..93, its own codes 224..239 for keypad and right-hand
// keys, 240..242 for the left, right and middle mouse button. Names come in a US and a French layout.

// Sets the product definition's "french" value (-1: never French); the main window sets it at start.
void SetKeyLayoutFrench(int french);
// Sets the current user-interface language number; French names apply when it equals "french".
void SetKeyLayoutLanguage(int language);
// True when key names come from the French layout.
bool FrenchKeyNames();
// The name of `code` in the current layout; empty for a code without a name.
QString KeyName(int code);
// The USB HID keyboard usage of `code`; false (usage untouched) for a code without one.
bool KeyCodeToUsage(int code, quint8 &usage);
// The key code of a USB HID keyboard usage; false (code untouched) for a usage not in the table.
bool UsageToKeyCode(int usage, quint8 &code);
