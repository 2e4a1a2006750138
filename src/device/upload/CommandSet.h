#pragma once

#include "storage/ConfigData.h"
#include "storage/ConfigRecords.h"

#include <QtGlobal>

// Command codes of the mouse.
enum DeviceCommand : quint8 {
    CmdGeneralBlock = 0x01,
    CmdDpiBlock = 0x02,
    CmdButtonBlock = 0x03,
    CmdLightingBlock = 0x04,
    CmdMacroBlock = 0x05,
    CmdApply = 0x40,
    CmdSelectProfile = 0x44,
    CmdBeginEnd = 0x46,
    CmdBattery = 0x48,
    CmdStatus = 0x49,
};

// Chunk types of block writes.
enum ChunkType : quint8 { FirstChunk = 0xD1, FurtherChunk = 0xD2, ClosingChunk = 0xD3 };

class DeviceLink;

// The mouse's commands, framed and sent through the verified transport of one device link.
class CommandSet
{
public:
    // Sends through `link`.
    explicit CommandSet(DeviceLink &link)
        : m_link(link)
    { }

    // Sends one frame through the verified transport; returns its result code.
    quint8 SendCommandFrame(quint8 command, quint8 param1, quint8 param2, quint8 chunkType,
                            const quint8 *payload, int length);
    // Sends a block's chunks of `size` bytes from `block`, `chunkSize` bytes each at offsets 0,
    // chunkSize, ... (first 0xD1, then 0xD2), then the closing frame; stops at the first failure.
    quint8 SendBlock(quint8 command, const quint8 *block, int size, int chunkSize);
    // Sends the closing frame of a block (payload 0x1A) at the given 16-bit offset.
    quint8 SendClosingFrame(quint8 command, quint16 offset = 0x7F);

    // Command 0x46 with parameter 0.
    quint8 BeginWrite();
    // Command 0x46 with parameter 1.
    quint8 EndWrite();
    // Switches the mouse to a profile slot (0x44, then apply 0x01); failures are not reported.
    void SelectProfile(int slot);
    // Command 0x40 with parameter 0xF3 and the mask.
    quint8 ApplyChanges(quint8 mask);
    // Applies the masks 0x04, 0x01, 0x02, 0x08, 0x10 in turn; stops at the first failure.
    quint8 ApplyAll();

private:
    DeviceLink &m_link;
};

// The current profile of a configuration (slot 0 when ProfileID is out of range).
const ProfileData &CurrentProfile(const ConfigData &config);
