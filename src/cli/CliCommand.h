#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of mousecfg-cli beyond the device result codes 0..5.
enum CliExit {
    ExitUsage = 64, // wrong command line
    ExitRefused = 65, // file refused: incomplete, damaged, wrong kind, another product's, name taken
    ExitNoInput = 66, // a file to read is missing, a folder, or may not be read
    ExitCannotWrite = 73, // a file could not be written
    ExitNoPermission = 77, // the mouse is plugged in, but the user may not open it
};

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
