#pragma once

// The soak on the program's real device path: this process owns the mock kernel (a receiver whose
// hidraw nodes and udev events come from umockdev) and runs the soak in a child process on the system
// hidapi and udev monitor, under umockdev's preload library. The child's figures are its own: the
// mock kernel's nodes, handlers and threads stay out of them. Serves the child's requests
// (MockKernelClient) and returns its exit code. Starts itself again under the preload library when it
// is not loaded.
int runMockKernelSoak(int argc, char *argv[], int divisor);
