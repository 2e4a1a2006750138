#pragma once

#include <QString>
#include <QtGlobal>

// The system's key codes: set-1 scan codes 1..93, its own codes 224..239 for keypad and right-hand
// keys, 240..242 for the left, right and middle mouse button. Names come in a US and a French layout.

// The two layouts key names come in.
enum class KeyLayout { Us, French };

// The name of `code` in `layout`; empty for a code without a name. Names stored or typed in files and
// on the command line are the US layout's.
QString KeyName(int code, KeyLayout layout = KeyLayout::Us);
// The USB HID keyboard usage of `code`; false (usage untouched) for a code without one.
bool KeyCodeToUsage(int code, quint8 &usage);
// The key code of a USB HID keyboard usage; false (code untouched) for a usage not in the table.
bool UsageToKeyCode(int usage, quint8 &code);
