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
//   Access=denied      the links enumerate, but opening them fails with EACCES (no udev rule)
//   [Faults]
//   Silence, WrongHeaderEchoes, WrongPayloadEchoes, ReadErrors, WriteErrors   (-1: always)
//   [Timeline]
//   <ms>=<event>[, <event>...]   events fired <ms> after the program first initialises the HID
//                                backend, in order (same time: as listed), in the mouse's thread:
//     plug receiver|cable, unplug receiver|cable   with their hot-plug notices; an unplugged link's
//                                                  handles fail every read and write
//     status PROFILE STAGE RATE MODE               an unasked status report 0x49, as when the user
//                                                  presses the mouse's own buttons
//     battery CHARGE LOW HIGH                      the battery report's charge byte and reading
//     asleep, awake
//     access granted                               opening works from now on; the plugged links
//                                                  are announced gone and back, as after a re-plug
//   numbers in decimal or "0x" hex, e.g. 1500=unplug receiver, 2000=status 1 2 4 0,
//   3000=battery 0 0x8a 0x03, 4000=asleep
//
// Anything else gives a mouse with nothing plugged and a warning, never the real hardware.
VirtualMouse *createVirtualMouse(const QString &description, QObject *parent = nullptr);
