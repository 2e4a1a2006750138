#pragma once

#include <QtGlobal>

// Conversions between the keyboard numberings the capture meets: Linux input key codes (X keycode
// minus 8), Qt key values, and the set-1 make codes with the 0xE0 "extended" prefix flag.

// The set-1 make code and extended flag of Linux key code `linuxKey`; false for a key without one.
bool LinuxKeyToMakeCode(int linuxKey, quint16 &makeCode, bool &extended);
// The Linux key code of a Qt key (`keypad`: the key came from the numeric keypad); 0 when unknown.
// Serves where a key event carries no native scan code.
int QtKeyToLinuxKey(int qtKey, bool keypad);
// The program's key code of a captured key: its make code, except 224..239 for the keypad and
// right-hand keys that share a make code with another key.
int CaptureKeyCode(quint16 makeCode, bool extended);
