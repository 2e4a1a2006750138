#pragma once

#include "cli/CliCommand.h"

// rules list | add PROGRAM SLOT | remove PROGRAM | default SLOT|keep | off | on
CliCommand rulesCommand();
