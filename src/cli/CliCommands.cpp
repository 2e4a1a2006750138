#include "cli/CliCommand.h"

#include <QVector>

QVector<CliCommand> cliCommands()
{
    return {};
}
