#pragma once

class DeviceNoticeSource;
class HidBackend;
class VirtualMouse;

// The HID backend and the hot-plug notices of a program, chosen by its main.
struct HidBackendChoice
{
    // The backend the session talks through; null: the system hidapi.
    HidBackend *backend = nullptr;
    // The notices the window follows: the virtual mouse itself, or a udev monitor of hidraw nodes.
    // Owned by whoever follows them (DeviceSession takes it over); the backend lives as long.
    DeviceNoticeSource *notices = nullptr;
};

// The virtual mouse that MOUSECFG_VIRTUAL_MOUSE asks for; null when the variable is unset or empty.
// The caller owns the mouse and hands it to its session as the backend.
VirtualMouse *virtualMouseFromEnvironment();
// For a program that follows hot plug: the virtual mouse MOUSECFG_VIRTUAL_MOUSE asks for, or else the
// system hidapi with a udev monitor.
HidBackendChoice chooseHidBackend();
