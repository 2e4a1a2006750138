#pragma once

#include <QString>

// The window's start timed from outside, against an empty widgets window of the same size: both
// programs are started alternately `rounds` times, without a session bus and with a private one, each
// until its window is mapped; then their resident memory after 2 s. Prints the medians, their ratios
// and the program's own start-up phases; returns the process exit code. `programFile` is the window
// program to time (another build of it, say); by default the one beside the bench.
int runWindowShownBench(int rounds, const QString &programFile = QString());
