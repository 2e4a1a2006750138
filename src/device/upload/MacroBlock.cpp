#include "device/upload/MacroBlock.h"

#include "device/upload/ButtonBlock.h"
#include "device/upload/CommandSet.h"
#include "device/link/DeviceLink.h"
#include "platform/LogCategories.h"
#include "storage/MacroEvents.h"
#include "storage/MacroFile.h"

#include <QDebug>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

constexpr int WorkingTriples = 63;
constexpr int ChunkSize = 20;
// The one-unit delay put between groups of plain events, which the mouse needs to keep up.
const MacroEvent UnitPause = MacroEvents::delay(1);

void putTriple(MacroSlot &slot, int position, const MacroEvent &event)
{
    quint8 *triple = slot.data() + 3 * position;
    triple[0] = event.map;
    triple[1] = event.L;
    triple[2] = event.H;
}

} // namespace

MacroSlot EncodeMacroSlot(const MacroEvent *events, int count)
{
    MacroSlot slot {};
    count = qBound(0, count, KeyInfoSlots);
    const bool hasDelays
        = std::any_of(events, events + count, [](const MacroEvent &e) { return e.map == MacroEvents::DelayKind; });
    if (hasDelays) {
        for (int e = 0; e < count; ++e)
            putTriple(slot, e, events[e]);
        return slot;
    }

    count = MacroEventsSent(events, count);
    std::vector<MacroEvent> list(WorkingTriples);
    for (int position = 4; position < 60; position += 5)
        list[size_t(position)] = UnitPause;
    for (int e = 0; e < count; ++e)
        list[size_t(e + e / 4)] = events[e];
    list[size_t(count + count / 4)] = UnitPause;
    const int used = count + count / 4 + 2;
    for (int position = 0; position < used; ++position)
        putTriple(slot, position, list[size_t(position)]);
    return slot;
}

quint8 WriteMacros(CommandSet &commands, const ConfigData &config, MacroIndexMap &macros)
{
    std::vector<MacroSlot> image(MacroSlots, MacroSlot {});

    for (int p = 0; p < ProfileSlots && !macros.empty(); ++p) {
        for (int b = 0; b < ButtonSlots && !macros.empty(); ++b) {
            const ButtonInfo &button = config.profiles[p].buttons[b];
            if (button.Fun != 200 && button.Fun != 510)
                continue;
            const auto it = std::find_if(macros.begin(), macros.end(),
                                         [&](const auto &entry) { return entry.second == button.macroname; });
            if (it == macros.end())
                continue;
            const quint8 index = it->first;
            macros.erase(it);
            if (index > MaxMacroIndex) {
                qCDebug(lcUpload, "iIndex>=MAX_MACRO_NUMBER_560");
                continue;
            }
            MacroEvent events[KeyInfoSlots];
            int count = 0;
            ReadMacroEvents(button.macroname, events, count);
            image[index] = EncodeMacroSlot(events, count);
            QThread::msleep(50);
        }
    }

    bool sent = false;
    for (int k = 0; k < MacroSlots; ++k) {
        const MacroSlot &slot = image[size_t(k)];
        if (std::all_of(slot.begin(), slot.begin() + 5, [](quint8 byte) { return byte == 0; }))
            continue;
        for (int j = 0; j < MacroSlotSize / ChunkSize; ++j) {
            const int offset = MacroSlotSize * k + ChunkSize * j;
            const quint8 type = (k == 0 && j == 0) ? FirstChunk : FurtherChunk;
            if (const quint8 result
                = commands.SendCommandFrame(CmdMacroBlock, quint8(offset & 0xFF), quint8(offset >> 8), type,
                                   slot.data() + ChunkSize * j, ChunkSize))
                return result;
        }
        sent = true;
    }
    return sent ? commands.SendClosingFrame(CmdMacroBlock, 0x0FFF) : quint8(ReportOk);
}
