#pragma once

class VirtualMouse;

// The virtual mouse on its receiver, installed as the HID backend with the current product's device
// open; made once per process. Targets linking this file also run without the protocol's pauses.
VirtualMouse &fuzzMouse();
