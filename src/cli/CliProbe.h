#pragma once

#include "cli/CliCommand.h"

// probe: what the system shows of the mouse's hardware, read only, for a first owner's bug report.
CliCommand probeCommand();
