#pragma once

#include "cli/CliCommand.h"

// doctor: checks what the program needs from the system, one line per check.
CliCommand doctorCommand();
