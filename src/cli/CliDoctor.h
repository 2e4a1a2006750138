#pragma once

#include "cli/CliCommand.h"

// doctor: checks what the program needs from the system, one line per check.
CliCommand doctorCommand();
// The doctor's checks, one line each ("OK       ..." or "PROBLEM  ..."); `allPassed` tells whether
// every check passed.
QStringList doctorFindings(bool *allPassed = nullptr);
