#include "cli/CliHelp.h"

#include <QVector>

namespace {

struct ExitCodeText
{
    int code;
    const char *text;
};

const ExitCodeText exitCodes[] = {
    { 0, "success" },
    { 1, "no mouse found; doctor: a check found a problem" },
    { 2, "the mouse did not confirm a report" },
    { 4, "a report could not be written" },
    { 5, "the mouse is asleep" },
    { ExitUsage, "wrong command line" },
    { ExitRefused,
      "file or value refused: incomplete, damaged, the wrong kind, another mouse's, its name is "
      "taken, or a value this mouse does not offer" },
    { ExitNoInput, "a file to read is missing, a folder, or may not be read" },
    { ExitCannotWrite, "a file could not be written" },
    { ExitBusy, "the running window is sending to the mouse; try again" },
    { ExitNoPermission, "the mouse is plugged in, but you may not open it (see: mousecfg-cli status)" },
};

struct CommandHelp
{
    const char *name;
    const char *text;
    QVector<int> codes;
};

// Per command: what it does, then the exit codes it can give.
const CommandHelp commandHelp[] = {
    { "status",
      "Shows how the mouse is connected, its battery and whether it charges, the active slot, and\n"
      "whether the last transfer was cut off or not confirmed by the mouse.\n"
      "--json writes the same as one JSON object.",
      { 0, 1, ExitUsage, ExitNoPermission } },
    { "export-config",
      "Writes the whole configuration (all five slots) to FILE.",
      { 0, ExitUsage, ExitCannotWrite } },
    { "import-config",
      "Reads a configuration written by export-config and makes it the current one.",
      { 0, ExitUsage, ExitRefused, ExitNoInput, ExitCannotWrite, ExitBusy } },
    { "export-profile",
      "Writes slot SLOT (1 to 5) to FILE.",
      { 0, ExitUsage, ExitNoInput, ExitCannotWrite } },
    { "import-profile",
      "Reads a profile file into the profile library and the active slot.",
      { 0, ExitUsage, ExitRefused, ExitNoInput, ExitCannotWrite, ExitBusy } },
    { "apply",
      "Sends what changed since the last upload to the mouse; --all sends every setting.\n"
      "A mouse that answers nothing is taken to hold it (0), and the line says it did not confirm.",
      { 0, 1, 2, 4, 5, ExitUsage, ExitCannotWrite, ExitBusy } },
    { "select-profile",
      "Makes slot N (1 to 5) the mouse's active slot, and sends the slot's settings when they were\n"
      "changed while another slot was active.",
      { 0, 1, 2, 4, 5, ExitUsage, ExitCannotWrite, ExitBusy } },
    { "doctor", "Checks the installation, the device nodes and their permissions.", { 0, 1, ExitUsage } },
    { "probe",
      "Lists every hidraw node of the mouse's vendor (--all: every hidraw node): ids, release, USB\n"
      "interface, the collections of its report descriptor with their report sizes, which node the\n"
      "program would use for commands and for status and why, whether you may open each node, and the\n"
      "udev properties the access rule matches. Read only: nothing is written to the mouse.\n"
      "--report FILE also writes the doctor's checks, the program version and the product's ids into\n"
      "FILE for a bug report; serial numbers and paths in your home folder are left out unless\n"
      "--with-serials is given.",
      { 0, 1, ExitUsage, ExitCannotWrite } },
    { "rules",
      "Lists, adds or removes the rules that pick a slot for the active application.",
      { 0, ExitUsage, ExitRefused, ExitCannotWrite } },
    { "get",
      "Shows every setting of slot SLOT (1 to 5; default: the active slot), one 'key = value' line each,\n"
      "or with --json as one JSON object. The keys are those 'set' takes; see docs/cli.md.",
      { 0, ExitUsage } },
    { "set",
      "Sets one setting of slot SLOT (1 to 5; default: the active slot), saves it and sends the change to\n"
      "the mouse (not with --no-apply). The mouse takes another slot's settings when that slot is next\n"
      "selected. Examples:\n"
      "  mousecfg-cli set dpi.2 1600\n"
      "  mousecfg-cli set 3 button.4 Media/Mute\n"
      "  mousecfg-cli set button.6 combo:Ctrl+C\n"
      "  mousecfg-cli set lighting.colour '#ff8800' --no-apply\n"
      "A value the mouse does not offer is refused with the allowed values (exit 65).",
      { 0, 1, 2, 4, 5, ExitUsage, ExitRefused, ExitCannotWrite, ExitBusy } },
    { "macro",
      "list: the stored macros, one per line (--json: a JSON array).\n"
      "import FILE: copies a macro file into the macro library under its base name.\n"
      "export NAME FILE: writes macro NAME to FILE.",
      { 0, ExitUsage, ExitRefused, ExitNoInput, ExitCannotWrite } },
};

} // namespace

void printExitCodes(QTextStream &out, const QVector<int> &codes)
{
    out << "exit codes:\n";
    for (const ExitCodeText &line : exitCodes) {
        if (codes.isEmpty() || codes.contains(line.code))
            out << "  " << QString::number(line.code).leftJustified(4) << line.text << "\n";
    }
}

void printCommandHelp(const CliCommand &command, QTextStream &out)
{
    out << "usage: mousecfg-cli " << command.name << (command.usage[0] ? " " : "") << command.usage << "\n";
    QVector<int> codes;
    for (const CommandHelp &help : commandHelp) {
        if (QLatin1String(help.name) == QLatin1String(command.name)) {
            out << "\n" << help.text << "\n";
            codes = help.codes;
        }
    }
    out << "\n";
    printExitCodes(out, codes);
    out.flush();
}
