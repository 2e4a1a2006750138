#include "device/upload/DpiBlock.h"

#include "device/upload/CommandSet.h"
#include "storage/Product.h"

std::array<quint8, 5> DpiStagePayload(const DpiStage &stage, int index, int stageCount,
                                      const SensorSpec &sensor, quint8 deviceType)
{
    const bool xOnly = sensor.axisOrder == AxisOrder::XOnly;
    const bool swapped = sensor.axisOrder == AxisOrder::YThenX;
    const AxisBytes x = sensor.encodeAxis(stage.x, DpiAxis::X, deviceType);
    const AxisBytes y = xOnly ? x : sensor.encodeAxis(stage.y, DpiAxis::Y, deviceType);
    const AxisBytes &first = swapped ? y : x;
    const AxisBytes &second = swapped ? x : y;
    return { quint8(index < stageCount ? stage.used : 0), first.reg, first.range, second.reg, second.range };
}

int DpiStageCountForDevice(int productCount)
{
    return productCount >= 1 && productCount <= 8 ? productCount : 8;
}

quint8 WriteDpiStages(CommandSet &commands, const ConfigData &deviceSide, int slot, const Product &product,
                     quint8 deviceType)
{
    const ProfileData &profile = deviceSide.profiles[qBound(0, slot, ProfileSlots - 1)];
    const int count = DpiStageCountForDevice(product.dpiStageCount);
    const SensorSpec &sensor = product.sensor;

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
