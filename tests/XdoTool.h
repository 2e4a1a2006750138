#pragma once

#include <QProcess>
#include <QStringList>

// Runs xdotool against the test's X server; its key strokes go through XTEST like a real keyboard.
inline bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}
