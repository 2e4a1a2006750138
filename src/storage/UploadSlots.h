#pragma once

#include <QString>

struct ConfigData;

// Which on-board slots an upload writes. The mouse keeps DPI stages, buttons and lighting per slot and
// takes them for the slot it has current, so an upload carries the current slot's DPI stages and
// buttons and the lighting slot's effects and LED timing; the other slots' settings wait on this
// computer until their slot is current ("Config/UnsentSlots" remembers which).

// The slot an upload writes: "ProfileID", or 0 when that is out of range.
int UploadSlot(const ConfigData &config);
// The slot whose lighting the pages edit and the upload sends: slot 0 on the product "4630", where
// every slot shares one lighting, else `currentSlot` (cut to the slot range).
int LightingSlotIndex(int currentSlot, const QString &productName);
// The same for the current slot of `config`.
int UploadLightingSlot(const ConfigData &config, const QString &productName);

// Every slot's bit.
constexpr int AllSlotsMask = 0x1F;

// Bit k set: slot k holds settings the mouse has not received (set while it was not current, or
// saved without an upload). Read from Config.ini.
int UnsentSlots();
// Adds the slots of `mask` to the unsent ones; false when Config.ini could not be written.
bool MarkSlotsUnsent(int mask);
// Takes `slot` off the unsent ones once an upload has written it.
bool ClearSlotUnsent(int slot);
