#pragma once

#include "TestAppDir.h"

#include <QFile>
#include <QProcess>

// What one run of mousecfg-cli gave.
struct CliResult
{
    int exitCode = -1; // -1 when it crashed or hung
    QString output; // standard output, then standard error
};

// Waits for a started mousecfg-cli; a crash or a hang gives exit code -1.
inline CliResult finishCli(QProcess &process)
{
    CliResult result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return result;
}

// Runs mousecfg-cli on the program folder `dir`. `virtualMouse` is MOUSECFG_VIRTUAL_MOUSE (empty: the
// real hardware); `trace` is MOUSECFG_TRACE (empty: none).
inline CliResult runCli(const TestAppDir &dir, const QStringList &args,
                        const QString &virtualMouse = QString(), const QString &trace = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("MOUSECFG_VIRTUAL_MOUSE");
    env.remove("MOUSECFG_TRACE");
    if (!virtualMouse.isEmpty())
        env.insert("MOUSECFG_VIRTUAL_MOUSE", virtualMouse);
    if (!trace.isEmpty())
        env.insert("MOUSECFG_TRACE", trace);
    env.insert("QT_LOGGING_RULES", "default.debug=false");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(MOUSECFG_APPDIR "/mousecfg-cli"),
                  QStringList { "--appdir", dir.path() } + args);
    return finishCli(process);
}

// Reports as hex strings with the general block's slot number and checksum blanked: every other frame
// of an upload is the same whichever slot is current.
inline QStringList withoutSlotNumber(QStringList frames)
{
    for (QString &frame : frames) {
        if (frame.mid(6, 2) == QLatin1String("01"))
            frame.replace(2, 2, QStringLiteral("xx")).replace(2 * (8 + 6), 2, QStringLiteral("xx"));
    }
    return frames;
}

// The reports written (lines "W ...") in a trace file, as hex strings.
inline QStringList writtenReports(const QString &trace)
{
    QFile file(trace);
    QStringList written;
    if (!file.open(QIODevice::ReadOnly))
        return written;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("W "))
            written << QString::fromLatin1(line.mid(2));
    }
    return written;
}
