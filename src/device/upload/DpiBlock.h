#pragma once

#include "sensors/SensorSpec.h"
#include "storage/ConfigData.h"

#include <QtGlobal>

#include <array>

// The five payload bytes of stage `index`: enabled flag, then the two axes in the sensor's order.
std::array<quint8, 5> DpiStagePayload(const DpiStage &stage, int index, int stageCount,
                                      const SensorSpec &sensor, quint8 deviceType);
// Stage count sent to the mouse: the product's DPI stage count, or 8 when it lies outside 1..8.
int DpiStageCountForDevice(int productCount);

class CommandSet;

struct Product;

// Sends the DPI block of a profile slot of `deviceSide` through `commands`, encoded for the sensor
// of `product` and the device type byte of the last battery report; returns the result code.
quint8 WriteDpiStages(CommandSet &commands, const ConfigData &deviceSide, int slot, const Product &product,
                     quint8 deviceType);
