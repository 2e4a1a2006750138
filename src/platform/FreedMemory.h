#pragma once

// Hands memory that the program has freed back to the system. Decoding the large skin pictures
// leaves megabytes of free heap behind that the C library would otherwise keep.
void ReleaseFreedMemory();
