#pragma once

#include "device/upload/UploadThreadState.h"
#include "storage/ConfigData.h"
#include "storage/ProductDefinition.h"

#include <QString>

#include <array>
#include <map>

class CommandSet;

constexpr int ButtonTableSlots = 24;

// The four slot bytes of one button function. A macro button registers its macro in `macros`
// and stores the index it got in `button.Res4`.
std::array<quint8, 4> EncodeButton(ButtonInfo &button, int sensor, MacroIndexMap &macros,
                                   const std::array<quint8, 4> &previous);
// The product's button matrix: device slot of buttons 0..15.
using ButtonMatrix = std::array<qint8, ButtonMatrixSize>;
// Device slot of a button position: positions 22 and 23 are the wheel (swapped when `scrollRev` is 1),
// the others come from `matrix`. -1 when the matrix names no slot of the table.
int ButtonSlotOfPosition(int position, int scrollRev, const ButtonMatrix &matrix);

// Encodes the buttons of the current slot of `deviceSide` into `table` and sends the button block
// through `commands`; the macros the buttons reach are registered afresh in `macros`.
quint8 WriteButtons(CommandSet &commands, ConfigData &deviceSide, ButtonTableBytes &table,
                    MacroIndexMap &macros);
