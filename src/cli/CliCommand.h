#pragma once

#include "core/OperationResult.h"

#include <QStringList>
#include <QTextStream>

// One sub-command of mousecfg-cli.
struct CliCommand
{
    const char *name; // as typed: "status", "apply", ...
    const char *usage; // the arguments after the name, for the help text
    // Runs the command with the arguments after its name; returns the exit code.
    int (*run)(const QStringList &args, QTextStream &out, QTextStream &err);
};

// Every sub-command, in the order the help text lists them.
QVector<CliCommand> cliCommands();
