#pragma once

#include "cli/CliCommand.h"

// macro list [--json] | import FILE | export NAME FILE
CliCommand macroCommand();
