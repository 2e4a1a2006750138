#pragma once

#include "cli/CliCommand.h"

// macro list [--json] | import FILE | export NAME FILE
CliCommand macroCommand();

class QString;
class QTextStream;

// Writes a warning line to `err` when the mouse receives only part of macro `name` (a macro without
// delays longer than the mouse keeps); nothing otherwise.
void warnIfMacroCut(const QString &name, QTextStream &err);
