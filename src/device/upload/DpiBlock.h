#pragma once

#include "storage/ConfigData.h"

#include <QtGlobal>

#include <array>

enum class DpiAxis { X, Y };

// Register byte and range byte of one axis value.
struct AxisBytes
{
    quint8 reg = 0;
    quint8 range = 0;
};

// Encodes a stage's slider position for a sensor; `deviceType` is the last battery report's byte 10.
AxisBytes EncodeDpiAxis(int sensor, quint32 value, DpiAxis axis, quint8 deviceType);
// The five payload bytes of stage `index`: enabled flag, then the two axes in the sensor's order.
std::array<quint8, 5> DpiStagePayload(const DpiStage &stage, int index, int stageCount, int sensor,
                                      quint8 deviceType);
// Stage count sent to the mouse: the product's DPI stage count, or 8 when it lies outside 1..8.
int DpiStageCountForDevice(int productCount);

class CommandSet;

// Sends the DPI block of a profile slot of `deviceSide` through `commands`, encoded for the device
// type byte of the last battery report; returns the result code.
quint8 WriteDpiStages(CommandSet &commands, const ConfigData &deviceSide, int slot, quint8 deviceType);
