#pragma once

#include "cli/CliCommand.h"

// The commands of mousecfg-cli that write to the mouse.

// apply [--all]
CliCommand applyCommand();
// select-profile N
CliCommand selectProfileCommand();
