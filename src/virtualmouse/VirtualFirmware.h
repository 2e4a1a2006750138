#pragma once

#include <QByteArray>
#include <QHash>

// What the simulated mouse reports about its battery (the battery report's bytes 4 to 7 and 10).
struct VirtualBattery
{
    quint8 low = 0xE8; // reading 1000: about 4125 mV
    quint8 high = 0x03;
    quint8 charge = 0;
    quint8 status = 1;
    quint8 deviceType = 0;
};

// The firmware of the simulated mouse: judges each report written to its command collection, keeps
// the blocks it receives and decides the reply. Not thread-safe; VirtualMouse serialises the calls.
class VirtualFirmware
{
public:
    // A fault count that never runs out.
    static constexpr int Unlimited = -1;

    // Takes one report; returns the reply to queue for reading, or an empty array for none.
    QByteArray receive(const QByteArray &report);
    // The bytes written so far into the block of command 0x01 to 0x05, at each chunk's offset.
    QByteArray memory(quint8 command) const { return m_memory.value(command); }
    // The profile last chosen by command 0x44.
    quint8 selectedProfile() const { return m_selectedProfile; }
    // The on-board slot the mouse has current: named by the last general block or select command.
    quint8 onBoardSlot() const { return m_onBoardSlot; }
    // What on-board slot `slot` holds of the DPI (0x02), button (0x03) or lighting (0x04) block.
    QByteArray slotMemory(quint8 slot, quint8 command) const { return m_slotMemory.value(slotKey(slot, command)); }
    // A status report 0x49, as the mouse sends one when its own buttons change something.
    static QByteArray statusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode);

    VirtualBattery battery;
    // A sleeping mouse stores and echoes nothing; the receiver answers the battery query for it
    // with a battery report of zeros, which is how the program learns that the mouse sleeps.
    bool asleep = false;
    // The next n valid reports are lost: not stored, not answered.
    int silentReports = 0;
    // The next n echoes carry a wrong header (parameter 2 inverted).
    int wrongHeaderEchoes = 0;
    // The next n echoes carry a wrong payload (first payload byte inverted).
    int wrongPayloadEchoes = 0;

private:
    void store(const QByteArray &report);
    static int slotKey(quint8 slot, quint8 command) { return slot << 8 | command; }
    QByteArray batteryReport() const;

    QHash<quint8, QByteArray> m_memory;
    // The per-slot blocks, by slotKey().
    QHash<int, QByteArray> m_slotMemory;
    quint8 m_selectedProfile = 0;
    quint8 m_onBoardSlot = 0;
};

// Takes one unit of a fault count: true when the fault applies now.
bool consumeFault(int &count);
