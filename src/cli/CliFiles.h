#pragma once

#include "cli/CliCommand.h"

// The file commands of mousecfg-cli: configuration and profile export and import.

// export-config FILE
CliCommand exportConfigCommand();
// import-config FILE
CliCommand importConfigCommand();
// export-profile SLOT FILE
CliCommand exportProfileCommand();
// import-profile FILE
CliCommand importProfileCommand();
