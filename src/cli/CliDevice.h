#pragma once

#include "device/link/DeviceLink.h"

#include <memory>

class MouseSession;
class VirtualMouse;

// The mouse session of one command that talks to the mouse: the virtual mouse when
// MOUSECFG_VIRTUAL_MOUSE asks for it, else the system hidapi. Closed and the HID library ended when
// the object goes. The command starts no status thread.
class CliDevice
{
public:
    // Builds the device table, enumerates and opens the device of "Config/CurrentProductName".
    CliDevice();
    ~CliDevice();
    CliDevice(const CliDevice &) = delete;
    CliDevice &operator=(const CliDevice &) = delete;

    // The command's session (link, uploads).
    MouseSession &session() const { return *m_session; }
    // True when a command handle is open.
    bool connected() const;
    // Sends the battery query and waits for the battery report; false when none came.
    bool queryBattery(quint8 (&reply)[ReportLength]) const;

private:
    std::unique_ptr<VirtualMouse> m_virtualMouse;
    std::unique_ptr<MouseSession> m_session;
};
