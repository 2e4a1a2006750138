#include "cli/CliCommand.h"
#include "cli/CliDoctor.h"
#include "cli/CliFiles.h"
#include "cli/CliMacro.h"
#include "cli/CliProbe.h"
#include "cli/CliRules.h"
#include "cli/CliSettings.h"
#include "cli/CliStatus.h"
#include "cli/CliUpload.h"

#include <QVector>

QVector<CliCommand> cliCommands()
{
    return {
        statusCommand(),        exportConfigCommand(), importConfigCommand(),  exportProfileCommand(),
        importProfileCommand(), applyCommand(),        selectProfileCommand(), doctorCommand(),
        probeCommand(),         rulesCommand(),        getCommand(),           setCommand(),
        macroCommand(),
    };
}
