#include "device/upload/LightingBlock.h"

#include "device/upload/CommandSet.h"
#include "storage/Product.h"
#include "storage/UploadSlots.h"

namespace {

// How one device slot is built from a profile effect.
struct SlotRule
{
    int effect;
    bool colour; // bytes 1..3 carry the effect's colour
    quint8 mode; // byte 4
    bool speed; // byte 5 is the effect's speed, else 0
    quint8 option; // byte 6
    int brightness; // byte 7: -1 = the effect's brightness, else this constant
};

const SlotRule Rules[10] = {
    { 0, false, 0x00, false, 0x00, 0 },   { 1, true, 0x01, false, 0x02, -1 },
    { 2, true, 0x01, true, 0x04, 0x03 },  { 3, false, 0x01, true, 0x01, 0x03 },
    { 4, false, 0x01, true, 0x08, -1 },   { 9, false, 0x05, true, 0x01, -1 },
    { 11, false, 0x07, false, 0x00, -1 }, { 10, false, 0x06, true, 0x00, -1 },
    { 12, false, 0x08, true, 0x00, -1 },  { 13, false, 0x09, true, 0x00, -1 },
};

} // namespace

std::array<quint8, LightingBlockSize> LightingBlock(const ProfileData &profile)
{
    std::array<quint8, LightingBlockSize> block {};
    for (int s = 0; s < 10; ++s) {
        const SlotRule &rule = Rules[s];
        const LedModeInfo &effect = profile.ledModes[rule.effect];
        quint8 *slot = block.data() + 8 * s;
        slot[0] = 0x80;
        if (rule.colour) {
            slot[1] = quint8(effect.RGB.red());
            slot[2] = quint8(effect.RGB.green());
            slot[3] = quint8(effect.RGB.blue());
        }
        slot[4] = rule.mode;
        slot[5] = rule.speed ? quint8(effect.breath) : 0;
        slot[6] = rule.option;
        slot[7] = rule.brightness < 0 ? quint8(effect.bright) : quint8(rule.brightness);
    }
    return block;
}

quint8 WriteLighting(CommandSet &commands, const ConfigData &deviceSide, const Product &product)
{
    const auto block = LightingBlock(deviceSide.profiles[UploadLightingSlot(deviceSide, product.name)]);
    return commands.SendBlock(CmdLightingBlock, block.data(), int(block.size()), 24);
}
