#pragma once

#include "cli/CliCommand.h"

struct ConfigData;

// The commands of mousecfg-cli that write to the mouse.

// apply [--all]
CliCommand applyCommand();
// select-profile N
CliCommand selectProfileCommand();

// "apply" through the running window: its engine sends the configuration it holds. Returns the exit code.
int applyThroughWindow(bool all, QTextStream &out, QTextStream &err);
// Uploads `config` as "Apply" does: saves it, then sends the groups that differ from `lastSent` (every
// group with `all`) and prints the mouse's result. Returns the exit code.
int uploadConfig(const ConfigData &config, const ConfigData &lastSent, bool all, QTextStream &out,
                 QTextStream &err);
