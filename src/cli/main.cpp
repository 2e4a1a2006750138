#include "cli/CliCommand.h"
#include "cli/CliForward.h"
#include "storage/AppPaths.h"

#include "mousecfg_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QVector>

#include <cstdio>

namespace {

void printUsage(QTextStream &stream)
{
    stream << "usage: mousecfg-cli [--appdir DIR] [--no-forward] COMMAND [ARGS]\n"
              "       mousecfg-cli --version\n\ncommands:\n";
    for (const CliCommand &command : cliCommands())
        stream << "  " << command.name << (command.usage[0] ? " " : "") << command.usage << "\n";
    stream
        << "\nDIR is the program folder (default: the folder of mousecfg-cli). An installed program keeps\n"
           "its settings in $XDG_DATA_HOME/mousecfg/Configs (default ~/.local/share/mousecfg/Configs).\n"
           "While the mousecfg window runs, the commands that use the mouse or the settings go through it\n"
           "(D-Bus); --no-forward makes the tool open the mouse itself.\n"
           "\nexit codes:\n"
           "  0   success\n"
           "  1   no mouse found; doctor: a check found a problem\n"
           "  2   the mouse did not confirm a report\n"
           "  4   a report could not be written\n"
           "  5   the mouse is asleep\n"
           "  64  wrong command line\n"
           "  65  file refused: incomplete, damaged, the wrong kind, another mouse's, or its name is taken\n"
           "  66  a file to read is missing, a folder, or may not be read\n"
           "  73  a file could not be written\n"
           "  75  the running window is sending to the mouse; try again\n"
           "  77  the mouse is plugged in, but you may not open it (see: mousecfg-cli status)\n";
    stream.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    // A settings value may hold a picture (a damaged or hostile "@Variant"), which cannot even be
    // read without a GUI application; the minimal platform needs no display and no runtime folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal");
    // The platform's start-up notes (such as a missing runtime folder) are no output of this tool.
    const QtMessageHandler handler
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(handler);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && (args.first() == "--help" || args.first() == "-h")) {
        printUsage(out);
        return 0;
    }
    if (!args.isEmpty() && args.first() == "--version") {
        out << "mousecfg-cli " << MOUSECFG_VERSION << "\n";
        return 0;
    }
    if (!args.isEmpty() && args.first() == "--appdir") {
        if (args.size() < 2 || !QDir(args.at(1)).exists()) {
            err << "mousecfg-cli: --appdir needs an existing folder\n";
            return ExitUsage;
        }
        AppPaths::setAppDir(QDir(args.at(1)).absolutePath());
        args = args.mid(2);
    }
    if (!args.isEmpty() && args.first() == "--no-forward") {
        CliForward::disable();
        args.removeFirst();
    }
    // Errors are one line each; the full text is --help's.
    if (args.isEmpty()) {
        err << "usage: mousecfg-cli [--appdir DIR] [--no-forward] COMMAND [ARGS]"
               " (mousecfg-cli --help lists them)\n";
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    for (const CliCommand &command : cliCommands()) {
        if (name == QLatin1String(command.name)) {
            const int code = command.run(args, out, err);
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "mousecfg-cli: unknown command '" << name << "' (mousecfg-cli --help lists the commands)\n";
    return ExitUsage;
}
