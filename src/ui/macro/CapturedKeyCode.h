#pragma once

#include "platform/KeyboardCapture.h"

// The system's key code of a captured key: its set-1 make code, except the keypad and right-hand keys
// that share a make code with a main-block key, which get the codes 224..239.
int CapturedKeyCode(const CapturedKey &key);
