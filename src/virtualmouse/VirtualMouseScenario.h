#pragma once

#include <QString>

class VirtualMouse;
class QObject;

// Builds the virtual mouse that a MOUSECFG_VIRTUAL_MOUSE value describes: "receiver", "cable",
// "both", or the path of a scenario INI file:
//
//   [Mouse]
//   Connection=receiver|cable|both|none   (default receiver)
//   ReceiverVid, ReceiverPid, CableVid, CablePid   (default: the product definition's ids)
//   ReceiverRelease, CableRelease                  (numbers; "0x" for hex)
//   BatteryLow, BatteryHigh, Charge, Status, DeviceType
//   Asleep=0|1, LatencyMs
//   [Faults]
//   Silence, WrongHeaderEchoes, WrongPayloadEchoes, ReadErrors, WriteErrors   (-1: always)
//
// Anything else gives a mouse with nothing plugged and a warning, never the real hardware.
VirtualMouse *createVirtualMouse(const QString &description, QObject *parent = nullptr);
