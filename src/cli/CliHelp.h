#pragma once

#include "cli/CliCommand.h"

// The help texts of mousecfg-cli: the exit codes and each command's --help.

// Writes the lines of the exit codes `codes`, or of every code when `codes` is empty.
void printExitCodes(QTextStream &out, const QVector<int> &codes = {});
// Writes the usage, description and exit codes of `command`.
void printCommandHelp(const CliCommand &command, QTextStream &out);
