#pragma once

#include "storage/ConfigData.h"

#include <QString>

#include <array>
#include <atomic>
#include <map>

constexpr int ButtonTableSize = 98;

// Index -> macro name of the macros the last button block referenced; filled while buttons are encoded,
// drained while macros are encoded.
using MacroIndexMap = std::map<quint8, QString>;
// The button table the mouse keeps (header 0x0A 0x00, then 24 four-byte slots).
using ButtonTableBytes = std::array<quint8, ButtonTableSize>;

// What one program's uploads remember between runs: the records the window and the upload thread
// share, the copy the block writers read, and what the mouse told about itself.
class UploadState
{
public:
    // The configuration the window hands to the next upload (filled before the thread starts).
    ConfigData &UploadSnapshot() { return m_snapshot; }
    // What the mouse last received; the upload compares the snapshot with it.
    ConfigData &LastSentConfig() { return m_lastSent; }
    // The configuration as last handed to the mouse; block writers read only this copy.
    ConfigData &DeviceSideCopy() { return m_deviceSide; }
    // Set while the mouse reports itself off (all battery values zero); an upload then sends nothing.
    bool MouseAsleep() const { return m_asleep.load(); }
    // Records whether the mouse reports itself off; thread-safe.
    void SetMouseAsleep(bool asleep) { m_asleep.store(asleep); }
    // The device type byte of the most recent battery report (0 until one arrives); thread-safe.
    quint8 DeviceTypeByte() const { return m_deviceType.load(); }
    // Records the device type byte of a battery report; thread-safe.
    void SetDeviceTypeByte(quint8 value) { m_deviceType.store(value); }
    // The macros the last button block referenced, by index.
    MacroIndexMap &MacroIndices() { return m_macroIndices; }
    // The button table as last sent; zero at start and kept for the session, so slots no button
    // reaches keep their earlier content.
    ButtonTableBytes &ButtonTable() { return m_buttonTable; }

private:
    ConfigData m_snapshot;
    ConfigData m_lastSent;
    ConfigData m_deviceSide;
    std::atomic<bool> m_asleep { false };
    std::atomic<quint8> m_deviceType { 0 };
    MacroIndexMap m_macroIndices;
    ButtonTableBytes m_buttonTable {};
};
