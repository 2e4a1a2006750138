#pragma once

#include "storage/ConfigData.h"

#include <QString>

#include <array>
#include <map>

constexpr int ButtonTableSize = 98;
constexpr int ButtonTableSlots = 24;

// Index -> macro name of the macros the last button block referenced; filled while buttons are encoded,
// drained while macros are encoded.
using MacroIndexMap = std::map<quint8, QString>;
MacroIndexMap &MacroIndices();

// The button table the mouse keeps (header 0x0A 0x00, then 24 four-byte slots); zero at start and
// kept for the program's run, so slots no button reaches keep their earlier content.
std::array<quint8, ButtonTableSize> &ButtonTable();

// The four slot bytes of one button function. A macro button registers its macro in `macros`
// and stores the index it got in `button.Res4`.
std::array<quint8, 4> EncodeButton(ButtonInfo &button, int sensor, MacroIndexMap &macros,
                                   const std::array<quint8, 4> &previous);
// Device slot of a button position: positions 22 and 23 are the wheel (swapped when `scrollRev` is 1),
// the others come from the product's button matrix. -1 when the matrix names no slot of the table.
int ButtonSlotOfPosition(int position, int scrollRev);

// Encodes the buttons of profile 0 of the device-side copy and sends the button block.
quint8 WriteButtons();
