#pragma once

class MouseSession;
class VirtualMouse;

// The virtual mouse on its receiver, the HID backend of fuzzSession() with the current product's
// device open; made once per process. Targets linking this file also run without the protocol's pauses.
VirtualMouse &fuzzMouse();
// The session that talks to fuzzMouse().
MouseSession &fuzzSession();
