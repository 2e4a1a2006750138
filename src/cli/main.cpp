#include "cli/CliCommand.h"
#include "cli/CliHelp.h"
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
           "\nmousecfg-cli COMMAND --help describes a command.\n\n";
    printExitCodes(stream);
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
    if (!args.isEmpty() && args.first() == "--appdir") {
        if (args.size() < 2 || !QDir(args.at(1)).exists()) {
            err << "mousecfg-cli: --appdir needs an existing folder\n";
            return ExitUsage;
        }
        AppPaths::setAppDir(QDir(args.at(1)).absolutePath());
        args = args.mid(2);
    }
    if (!args.isEmpty() && (args.first() == "--help" || args.first() == "-h")) {
        printUsage(out);
        return 0;
    }
    if (!args.isEmpty() && args.first() == "--version") {
        out << "mousecfg-cli " << MOUSECFG_VERSION << "\n";
        return 0;
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
            if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
                printCommandHelp(command, out);
                return 0;
            }
            const int code = command.run(args, out, err);
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "mousecfg-cli: unknown command '" << name << "' (mousecfg-cli --help lists the commands)\n";
    return ExitUsage;
}
