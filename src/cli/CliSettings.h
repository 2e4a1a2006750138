#pragma once

#include "cli/CliCommand.h"

// The commands of mousecfg-cli that read and write single settings by key.

// get [SLOT] [--json]
CliCommand getCommand();
// set [SLOT] KEY VALUE... [--no-apply]
CliCommand setCommand();
