#include "device/upload/GeneralBlock.h"

#include "device/upload/CommandSet.h"
#include "storage/Product.h"
#include "storage/UploadSlots.h"

quint8 DeviceEffectNumber(int effect)
{
    // Effects 5..9 share one device effect; 10 and 11 trade places on the device.
    static const quint8 slots[] = { 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9 };
    if (effect < 0 || effect >= int(sizeof(slots)))
        return 6;
    return quint8(slots[effect] + 1);
}

std::array<quint8, GeneralBlockSize> GeneralSettingsBlock(const ConfigData &config, int syncMode, int lightingSlot)
{
    std::array<quint8, GeneralBlockSize> block {};
    // The LED timing bytes belong to the lighting slot, like the effects of the lighting block.
    const ProfileData &lighting = config.profiles[qBound(0, lightingSlot, ProfileSlots - 1)];
    const ProfileData &current = CurrentProfile(config);
    for (int p = 0; p < ProfileSlots; ++p) {
        block[size_t(p)] = config.profiles[p].scrollspeed;
        block[size_t(11 + p)] = config.profiles[p].pollrate;
    }
    quint8 lift = config.LiftHigh;
    if (syncMode != 0) {
        if (config.Sync != 0)
            lift |= 0x80;
        if (config.AngleValue == 0)
            lift |= 0x40;
        if (config.Jitter == 0)
            lift |= 0x20;
    }
    block[5] = lift;
    block[6] = config.ProfileID;
    block[7] = lighting.LedMoveOFF;
    block[8] = lighting.LedSleepTime;
    block[9] = config.Debounce;
    block[10] = quint8(config.SensorMode | (config.Wake != 0 ? 0x80 : 0));
    block[16] = 0x1F;
    block[17] = current.dpi;
    block[18] = DeviceEffectNumber(current.LedMode);
    return block;
}

quint8 WriteGeneralSettings(CommandSet &commands, const ConfigData &deviceSide, const Product &product)
{
    const auto block
        = GeneralSettingsBlock(deviceSide, product.syncMode, UploadLightingSlot(deviceSide, product.name));
    return commands.SendBlock(CmdGeneralBlock, block.data(), int(block.size()), int(block.size()));
}
