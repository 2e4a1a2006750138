#pragma once

#include "storage/ConfigData.h"

// Records and flags that the window and the upload thread share.

// The configuration the window hands to the next upload (filled before the thread starts).
ConfigData &UploadSnapshot();
// What the mouse last received; the upload compares the snapshot with it.
ConfigData &LastSentConfig();
// Set while the mouse reports itself off (all battery values zero); an upload then sends nothing.
bool MouseAsleep();
void SetMouseAsleep(bool asleep);
