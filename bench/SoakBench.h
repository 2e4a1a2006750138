#pragma once

// The long run: a window on the virtual mouse driven through hot plug, status and battery reports and
// uploads, with resident memory, open descriptors and threads at the start (after one of each, so that
// what their first use loads once is not counted as growth) and the end, and the CPU time of a minute
// spent idle. `divisor` (1 for the full run) divides every count, for a quick look.
// Prints the figures and returns the process exit code.
int runSoak(int argc, char *argv[], int divisor);
