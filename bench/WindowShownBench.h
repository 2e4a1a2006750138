#pragma once

#include <QString>

// The window's start timed from outside, against an empty widgets window of the same size: both
// programs are started alternately `rounds` times, without a session bus and with a private one, each
// until its window is mapped; then their resident memory after 2 s. Prints the medians, their ratios
// and the program's own start-up phases; returns the process exit code.
int runWindowShownBench(int rounds);
