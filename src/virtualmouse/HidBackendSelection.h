#pragma once

class DeviceNoticeSource;
class VirtualMouse;

// The virtual mouse that MOUSECFG_VIRTUAL_MOUSE asks for, installed as the HID backend; null when the
// variable is unset or empty, and the system hidapi stays in use. The caller owns the mouse.
VirtualMouse *installVirtualMouseFromEnvironment();
// For a program that follows hot plug: that virtual mouse, or else a udev monitor of hidraw nodes
// beside the system hidapi. The caller owns the returned source.
DeviceNoticeSource *installHidBackend();
