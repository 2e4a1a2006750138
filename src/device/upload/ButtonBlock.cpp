#include "device/upload/ButtonBlock.h"

#include "device/upload/CommandSet.h"
#include "storage/ConfigStore.h"
#include "storage/KeyTable.h"
#include "storage/Product.h"
#include "storage/UploadSlots.h"

namespace {

using SlotBytes = std::array<quint8, 4>;

// Default slot bytes of every function code that has them.
const std::map<int, SlotBytes> &FunctionTable()
{
    static const std::map<int, SlotBytes> table = {
        { 1, { 0x81, 0, 0, 0 } },           { 2, { 0x82, 0, 0, 0 } },
        { 3, { 0x83, 0, 0, 0 } },           { 4, { 0x85, 0, 0, 0 } },
        { 5, { 0x84, 0, 0, 0 } },           { 6, { 0x90, 0, 0, 0 } },
        { 7, { 0x8F, 0, 0, 0 } },           { 12, { 0x99, 0, 0, 0 } },
        { 13, { 0x30, 0, 0, 0 } },          { 16, { 0x00, 0, 0, 0 } },
        { 17, { 0x8F, 0x01, 0x1B, 0 } },    { 18, { 0x8F, 0x01, 0x06, 0 } },
        { 19, { 0x8F, 0x01, 0x19, 0 } },    { 20, { 0x8F, 0x01, 0x04, 0 } },
        { 21, { 0x8F, 0x01, 0x09, 0 } },    { 22, { 0x8F, 0x01, 0x11, 0 } },
        { 23, { 0x8F, 0x01, 0x13, 0 } },    { 24, { 0x8F, 0x01, 0x16, 0 } },
        { 25, { 0x8F, 0x04, 0x2B, 0 } },    { 26, { 0x8F, 0x04, 0x3D, 0 } },
        { 27, { 0x8F, 0x08, 0x08, 0 } },    { 28, { 0x8F, 0x08, 0x15, 0 } },
        { 29, { 0x8F, 0x08, 0x07, 0 } },    { 30, { 0x8F, 0x08, 0x0F, 0 } },
        { 31, { 0x8E, 0x01, 0x23, 0x02 } }, { 32, { 0x8E, 0x01, 0x24, 0x02 } },
        { 33, { 0x8E, 0x01, 0x25, 0x02 } }, { 34, { 0x8E, 0x01, 0x26, 0x02 } },
        { 35, { 0x8E, 0x01, 0x27, 0x02 } }, { 36, { 0x8E, 0x01, 0x21, 0x02 } },
        { 37, { 0x8E, 0x01, 0x2A, 0x02 } }, { 38, { 0x8E, 0x01, 0x8A, 0x01 } },
        { 39, { 0x8E, 0x01, 0xCD, 0x00 } }, { 40, { 0x8E, 0x01, 0xB7, 0x00 } },
        { 41, { 0x8E, 0x01, 0xB6, 0x00 } }, { 42, { 0x8E, 0x01, 0xB5, 0x00 } },
        { 43, { 0x8E, 0x01, 0xE9, 0x00 } }, { 44, { 0x8E, 0x01, 0xEA, 0x00 } },
        { 45, { 0x8E, 0x01, 0xE2, 0x00 } }, { 46, { 0x8E, 0x01, 0x83, 0x01 } },
        { 47, { 0x88, 0, 0, 0 } },          { 48, { 0x8A, 0, 0, 0 } },
        { 49, { 0x89, 0, 0, 0 } },          { 50, { 0x97, 0, 0, 0 } },
        { 51, { 0x98, 0, 0, 0 } },          { 52, { 0x8B, 0, 0, 0 } },
        { 53, { 0x8C, 0, 0, 0 } },          { 54, { 0x9B, 0x08, 0, 0 } },
        { 55, { 0x9A, 0x01, 0x01, 0x01 } }, { 57, { 0x94, 0, 0, 0 } },
        { 58, { 0x95, 0, 0, 0 } },          { 59, { 0x8D, 0, 0, 0 } },
        { 60, { 0x9F, 0, 0, 0 } },          { 61, { 0xA0, 0, 0, 0 } },
        { 62, { 0x8F, 0x08, 0x10, 0 } },    { 63, { 0x97, 0x01, 0, 0 } },
        { 200, { 0x91, 0, 0, 0 } },         { 510, { 0x9D, 0, 0, 0 } },
    };
    return table;
}

SlotBytes tableRow(int fun)
{
    const auto it = FunctionTable().find(fun);
    return it == FunctionTable().end() ? SlotBytes {} : it->second;
}

quint8 macroIndex(const QString &name, MacroIndexMap &macros)
{
    for (const auto &entry : macros) {
        if (entry.second == name)
            return entry.first;
    }
    const quint8 index = quint8(macros.size());
    macros[index] = name;
    return index;
}

SlotBytes encodeMacro(ButtonInfo &button, MacroIndexMap &macros, const SlotBytes &previous)
{
    SlotBytes slot = previous;
    slot[0] = tableRow(button.Fun)[0];
    const quint8 index = macroIndex(button.macroname, macros);
    switch (button.Res1) {
    case 1:
        slot[1] = index | 0x80;
        slot[2] = slot[3] = 0xFF;
        break;
    case 2:
        slot[1] = index | 0x40;
        slot[2] = slot[3] = 0xFF;
        break;
    default:
        if (button.Res1 == 0)
            slot[1] = index;
        slot[2] = quint8(button.LoopNumber & 0xFF);
        slot[3] = quint8((button.LoopNumber >> 8) & 0xFF);
        break;
    }
    button.Res4 = index;
    return slot;
}

SlotBytes encodeCombination(const ButtonInfo &button)
{
    int modifiers = 0;
    quint8 key = 0;
    for (int k = 0; k < 10; ++k) {
        const quint8 usage = button.KeyInfo[k].map;
        if (usage == 0)
            continue;
        quint8 code = 0;
        UsageToKeyCode(usage, code);
        if (code == 0x1D || code == 0xEE)
            modifiers += 1;
        else if (code == 0x2A || code == 0x36)
            modifiers += 2;
        else if (code == 0x38 || code == 0xEF)
            modifiers += 4;
        else if (code == 0x5B || code == 0x5C)
            modifiers += 8;
        else
            key = usage;
    }
    // A press and its release are both entries, so every modifier was counted twice.
    return { 0x8F, quint8(modifiers >> 1), key, 0 };
}

} // namespace

std::array<quint8, 4> EncodeButton(ButtonInfo &button, const SensorSpec &sensor, MacroIndexMap &macros,
                                   const SlotBytes &previous)
{
    switch (button.Fun) {
    case 200:
    case 510:
        return encodeMacro(button, macros, previous);
    case 6: {
        quint8 usage = 0;
        KeyCodeToUsage(button.Res1, usage);
        return { 0x90, 0x00, usage, 0x00 };
    }
    case 7:
        return encodeCombination(button);
    case 12:
        if (button.Res1 == 0)
            return { 0x99, 0x81, 0x03, 0x00 };
        return { 0x99, button.Res1, quint8(button.LoopNumber & 0xFF), quint8(button.KeyNumber / 10) };
    case 55: {
        const quint8 code = sensor.sniperCode(button.Res1);
        return { 0x9A, 0x01, code, code };
    }
    default:
        return tableRow(button.Fun);
    }
}

int ButtonSlotOfPosition(int position, int scrollRev, const ButtonMatrix &matrix)
{
    if (position == 22 || position == 23)
        return scrollRev == 1 ? 45 - position : position;
    const int slot = position >= 0 && position < ButtonMatrixSize ? matrix[size_t(position)] : -1;
    return slot >= 0 && slot < ButtonTableSlots ? slot : -1;
}

quint8 WriteButtons(CommandSet &commands, ConfigData &deviceSide, const Product &product,
                    ButtonTableBytes &table, MacroIndexMap &macros)
{
    macros.clear();
    table[0] = 0x0A;
    table[1] = 0x00;
    const SensorSpec &sensor = product.sensor;
    const int scrollRev = product.scrollRev;
    const ButtonMatrix &matrix = product.buttonMatrix;
    ButtonInfo *buttons = deviceSide.profiles[UploadSlot(deviceSide)].buttons;

    auto encodeAt = [&](int position, ButtonInfo &button) {
        const int slot = ButtonSlotOfPosition(position, scrollRev, matrix);
        if (slot < 0)
            return;
        quint8 *bytes = table.data() + 2 + 4 * slot;
        const SlotBytes encoded
            = EncodeButton(button, sensor, macros, { bytes[0], bytes[1], bytes[2], bytes[3] });
        std::copy(encoded.begin(), encoded.end(), bytes);
    };
    const int count = product.buttonCount;
    for (int b = 0; b < count; ++b)
        encodeAt(b, buttons[b]);
    encodeAt(22, buttons[40]);
    encodeAt(23, buttons[41]);

    const quint8 header[2] = { 0x0A, 0x00 };
    if (const quint8 result = commands.SendCommandFrame(CmdButtonBlock, 0, 0, FirstChunk, header, 2))
        return result;
    for (int offset = 2; offset < ButtonTableSize; offset += 24) {
        if (const quint8 result = commands.SendCommandFrame(CmdButtonBlock, quint8(offset), 0, FurtherChunk,
                                                            table.data() + offset, 24))
            return result;
    }
    const quint8 trailer[4] = { 0xFF, 0xFF, 0xFF, 0xFF };
    if (const quint8 result
        = commands.SendCommandFrame(CmdButtonBlock, ButtonTableSize, 0, FurtherChunk, trailer, 4))
        return result;
    return commands.SendClosingFrame(CmdButtonBlock);
}
