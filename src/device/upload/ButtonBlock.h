#pragma once

#include "device/upload/UploadThreadState.h"
#include "storage/ConfigData.h"
#include "sensors/SensorSpec.h"
#include "storage/ProductDefinition.h"

#include <QString>

#include <array>
#include <map>

class CommandSet;
struct Product;

constexpr int ButtonTableSlots = 24;

// The four slot bytes of one button function. A macro button registers its macro in `macros`
// and stores the index it got in `button.Res4`.
std::array<quint8, 4> EncodeButton(ButtonInfo &button, const SensorSpec &sensor, MacroIndexMap &macros,
                                   const std::array<quint8, 4> &previous);


// Device slot of a button position: positions 22 and 23 are the wheel (swapped when `scrollRev` is 1),
// the others come from `matrix`. -1 when the matrix names no slot of the table.
int ButtonSlotOfPosition(int position, int scrollRev, const ButtonMatrix &matrix);

// Encodes the buttons of the current slot of `deviceSide` into `table` and sends the button block
// through `commands` for `product`; the macros the buttons reach are registered afresh in `macros`.
quint8 WriteButtons(CommandSet &commands, ConfigData &deviceSide, const Product &product,
                    ButtonTableBytes &table, MacroIndexMap &macros);
