#include "cli/CliCommand.h"
#include "cli/CliFiles.h"

#include <QVector>

QVector<CliCommand> cliCommands()
{
    return {
        exportConfigCommand(),
        importConfigCommand(),
        exportProfileCommand(),
        importProfileCommand(),
    };
}
