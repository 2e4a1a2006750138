#include "device/upload/DpiBlock.h"

#include "device/upload/CommandSet.h"
#include "device/upload/DpiTables.h"
#include "storage/AppSettings.h"
#include "storage/ProductDefinition.h"

namespace {

// Register and range bytes keep the low byte of the 32-bit arithmetic, as the mouse expects.
AxisBytes bytes(quint32 reg, quint32 range)
{
    return { quint8(reg & 0xFF), quint8(range & 0xFF) };
}

AxisBytes littleEndian(quint32 value)
{
    return { quint8(value & 0xFF), quint8((value >> 8) & 0xFF) };
}

// Positions beyond `limit` are sent as (v - offset) with the high bit of the range byte set.
AxisBytes extended(quint32 value, quint32 limit, quint32 offset)
{
    if (value <= limit)
        return littleEndian(value);
    const quint32 w = value - offset;
    return { quint8(w & 0xFF), quint8(((w >> 8) & 0xFF) | 0x80) };
}

} // namespace

AxisBytes EncodeDpiAxis(int sensor, quint32 value, DpiAxis axis, quint8 deviceType)
{
    const quint32 v = value;
    switch (sensor) {
    case 3104:
    case 31042:
        return v <= 106 ? bytes(v, 0) : bytes(v - 53, 1);
    case 3212:
        return v <= 63 ? bytes(v, 0) : v <= 94 ? bytes(v - 32, 1) : bytes(v - 63, 2);
    case 3311:
    case 33112:
        return v <= 120 ? bytes(RegisterA(v), 0) : bytes(RegisterA(v - 60), 1);
    case 3325:
    case 33252:
        return v <= 50 ? bytes(RegisterB(v), 0)
            : v <= 75  ? bytes(RegisterB(v - 25), 1)
                       : bytes(RegisterB(v - 50), 2);
    case 3327:
        return v <= 61 ? bytes(RegisterC(v), 0)
            : v <= 92  ? bytes(RegisterC(v - 31), 1)
                       : bytes(RegisterC(v - 52), 4);
    case 3333:
        return v <= 79 ? bytes(RegisterD(v), 0) : bytes(RegisterD(v - 40), 1);
    case 3335:
    case 33352:
        return v <= 160 ? bytes(RegisterA(v), 0) : bytes(RegisterA(v - 80), 1);
    case 3360:
        return v <= 120 ? bytes(v - 1, 0) : bytes(v - 61, 1);
    case 3370:
        return v <= 200 ? bytes(v - 1, 0) : bytes(v - 101, 1);
    case 3389:
        return extended(v, 320, 160);
    case 3395:
        return littleEndian(deviceType == 8 ? qMin<quint32>(v, 399) : v);
    case 33952:
        return extended(v, axis == DpiAxis::X ? 519 : 520, 260);
    default:
        return {};
    }
}

std::array<quint8, 5> DpiStagePayload(const DpiStage &stage, int index, int stageCount, int sensor,
                                      quint8 deviceType)
{
    const bool xOnly = sensor == 3335 || sensor == 33352;
    const bool swapped = sensor == 3104 || sensor == 31042;
    const AxisBytes x = EncodeDpiAxis(sensor, stage.x, DpiAxis::X, deviceType);
    const AxisBytes y = xOnly ? x : EncodeDpiAxis(sensor, stage.y, DpiAxis::Y, deviceType);
    const AxisBytes &first = swapped ? y : x;
    const AxisBytes &second = swapped ? x : y;
    return { quint8(index < stageCount ? stage.used : 0), first.reg, first.range, second.reg, second.range };
}

int DpiStageCountForDevice(int productCount)
{
    return productCount >= 1 && productCount <= 8 ? productCount : 8;
}

quint8 WriteDpiStages(CommandSet &commands, const ConfigData &deviceSide, int slot, quint8 deviceType)
{
    const ProfileData &profile = deviceSide.profiles[qBound(0, slot, ProfileSlots - 1)];
    const int count = DpiStageCountForDevice(DpiStageCount());
    const int sensor = SensorVariant();

    const quint8 header = quint8(count);
    if (const quint8 result = commands.SendCommandFrame(CmdDpiBlock, 0, 0, FirstChunk, &header, 1))
        return result;
    for (int i = 0; i < DpiStageSlots; ++i) {
        const auto payload = DpiStagePayload(profile.stages[i], i, count, sensor, deviceType);
        const quint8 offset = quint8(1 + 5 * i);
        if (const quint8 result
            = commands.SendCommandFrame(CmdDpiBlock, offset, 0, FurtherChunk, payload.data(), 5))
            return result;
    }
    return commands.SendClosingFrame(CmdDpiBlock);
}
