#pragma once

#include "platform/PointerSpeedMapping.h"

#include <memory>

class PointerSpeedBackend;

// The desktop's pointer speed on the scale of the profiles, 1 (slowest) to 20 (fastest), through the
// backend the session calls for (PointerSpeedBackend.h; the mappings in PointerSpeedMapping.h).

// The current pointer speed (1 to 20); the remembered value (first 10) where it cannot be read.
int GetSystemMouseSpeed();
// Sets the pointer speed to `speed`, a slot's stored value; values outside 1..20 change nothing.
// False when the desktop could not be told (the value is remembered all the same).
bool ApplySlotMouseSpeed(int speed);
// False on a desktop whose pointer speed this program cannot set.
bool SystemMouseSpeedSettable();
// True where the speed is set on the desktop but not kept in its settings (it holds while this program
// runs).
bool SystemMouseSpeedOnlyWhileRunning();
// Replaces the backend (tests); null picks the session's again on next use.
void SetPointerSpeedBackend(std::unique_ptr<PointerSpeedBackend> backend);
