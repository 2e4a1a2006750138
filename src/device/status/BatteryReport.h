#pragma once

#include <QMetaType>
#include <QtGlobal>

// A battery report of the mouse (command 0x48), decoded once for every reader.
struct BatteryReport
{
    // All three battery bytes zero: the mouse is off or asleep, and the other values mean nothing.
    bool asleep = true;
    // The charge byte is not zero: the battery is charging.
    bool charging = false;
    // Battery level in percent (10 to 100 in steps of 10); 0 while asleep.
    int level = 0;
    // Byte 10: the device type, which the DPI encoding of some sensors depends on.
    quint8 deviceType = 0;
    // Byte 7: the write status (0: the mouse lost what it was sent).
    quint8 writeStatus = 0;
    // The raw charge byte and battery reading, for diagnostics.
    quint8 charge = 0;
    quint8 lowByte = 0;
    quint8 highByte = 0;

    // Decodes the charge byte and the reading; 100 % at or above `fullMillivolts` ("Config/BatteryFull").
    static BatteryReport fromBytes(quint8 charge, quint8 lowByte, quint8 highByte, int fullMillivolts);
    // Decodes a whole 33-byte report frame.
    static BatteryReport fromFrame(const quint8 *frame, int fullMillivolts);
};

Q_DECLARE_METATYPE(BatteryReport)
