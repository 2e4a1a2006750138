#pragma once

#include "cli/CliCommand.h"

// status: how the mouse is connected and what its battery reports.
CliCommand statusCommand();
