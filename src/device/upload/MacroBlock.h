#pragma once

#include "device/upload/UploadThreadState.h"
#include "storage/ConfigData.h"
#include "storage/MacroFit.h"

#include <array>

constexpr int MacroSlotSize = 200;
constexpr int MacroSlots = 20;
// Macros the mouse can hold: indexes 0..11.
constexpr int MaxMacroIndex = 11;

using MacroSlot = std::array<quint8, MacroSlotSize>;

// Encodes macro events into a device slot: (Map, DataL, DataH) triples. A macro without delay events
// gets a one-unit pause after every fourth event and after its last; longer macros are cut to fit
// (MacroEventsSent).
MacroSlot EncodeMacroSlot(const MacroEvent *events, int count);

class CommandSet;

// Encodes the macros the last button block registered in `macros` (read from their macro files, found
// through the buttons of `deviceSide`), drains `macros`, and sends the macro block through
// `commands`; returns the result code.
quint8 WriteMacros(CommandSet &commands, const ConfigData &deviceSide, MacroIndexMap &macros);
