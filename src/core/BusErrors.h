#pragma once

#include <QString>

// The D-Bus error names of org.mousecfg.Mouse1, one for each exit code of mousecfg-cli, so that a
// caller of the interface and the forwarding tool tell the same failures apart.
class BusErrors
{
public:
    // The error name for an exit code (a device result or a CliExit); a generic name for others.
    static QString name(int exitCode);
    // The exit code an error name stands for; -1 for a name that is not ours.
    static int exitCode(const QString &name);
};
