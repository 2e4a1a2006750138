#include "device/upload/CommandSet.h"

#include "device/link/DeviceLink.h"

#include <cstring>

namespace {
constexpr quint8 ClosingPayload = 0x1A;
constexpr int MaxPayload = 25;
} // namespace

quint8 CommandSet::SendCommandFrame(quint8 command, quint8 param1, quint8 param2, quint8 chunkType, const quint8 *payload,
                        int length)
{
    quint8 frame[ReportLength] = {};
    frame[0] = 0x05;
    frame[2] = 0xFA;
    frame[3] = command;
    frame[4] = param1;
    frame[5] = param2;
    frame[6] = quint8(length);
    frame[7] = chunkType;
    if (length > 0)
        std::memcpy(frame + 8, payload, size_t(qMin(length, MaxPayload)));
    return m_link.SendReport(frame, ReportLength);
}

quint8 CommandSet::SendClosingFrame(quint8 command, quint16 offset)
{
    return SendCommandFrame(command, quint8(offset & 0xFF), quint8(offset >> 8), ClosingChunk,
                            &ClosingPayload, 1);
}

quint8 CommandSet::SendBlock(quint8 command, const quint8 *block, int size, int chunkSize)
{
    for (int offset = 0; offset < size; offset += chunkSize) {
        const int length = qMin(chunkSize, size - offset);
        const quint8 type = offset == 0 ? FirstChunk : FurtherChunk;
        if (const quint8 result = SendCommandFrame(command, quint8(offset), 0, type, block + offset, length))
            return result;
    }
    return SendClosingFrame(command);
}

quint8 CommandSet::BeginWrite()
{
    return SendCommandFrame(CmdBeginEnd, 0, 0, 0, nullptr, 0);
}

quint8 CommandSet::EndWrite()
{
    return SendCommandFrame(CmdBeginEnd, 1, 0, 0, nullptr, 0);
}

void CommandSet::SelectProfile(int slot)
{
    SendCommandFrame(CmdSelectProfile, quint8(slot), 0, 0, nullptr, 0);
    ApplyChanges(0x01);
}

quint8 CommandSet::ApplyChanges(quint8 mask)
{
    return SendCommandFrame(CmdApply, 0xF3, mask, 0, nullptr, 0);
}

quint8 CommandSet::ApplyAll()
{
    for (const quint8 mask : { 0x04, 0x01, 0x02, 0x08, 0x10 }) {
        if (const quint8 result = ApplyChanges(mask))
            return result;
    }
    return ReportOk;
}

const ProfileData &CurrentProfile(const ConfigData &config)
{
    return config.profiles[config.ProfileID < ProfileSlots ? config.ProfileID : 0];
}
