#pragma once

#include <QString>

// Start-up of the main window on a virtual mouse in a fresh process: the time from the start of
// main() until the window is first painted, resident memory and heap once it has settled and again
// after every tab was shown. Returns the figure lines, or an error line.
QString startupFigures(const QString &benchProgram);

// The child side: builds the window in a copy of the program folder and prints its figures.
// Returns the process exit code.
int runStartupChild(int argc, char *argv[]);

// Lays out a program folder at `copy` with the installation's product definition and settings from
// `installed`; the pictures and translations are linked, not copied.
bool layOutProgramFolder(const QString &installed, const QString &copy);
