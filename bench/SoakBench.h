#pragma once

// Where the soak's window finds its mouse: the virtual mouse, or the mock kernel's hidraw nodes and
// udev events (this process then being the child of MockKernelSoak, under umockdev's preload library).
enum class SoakPath { VirtualMouse, MockKernel };

// The long run: a window on the mouse driven through hot plug, status and battery reports and
// uploads, with resident memory, open descriptors and threads at the start (after one of each, so that
// what their first use loads once is not counted as growth) and the end, and the CPU time of a minute
// spent idle. `divisor` (1 for the full run) divides every count, for a quick look.
// Prints the figures and returns the process exit code.
int runSoak(int argc, char *argv[], int divisor, SoakPath path);
