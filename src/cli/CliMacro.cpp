#include "cli/CliMacro.h"

#include "storage/MacroFile.h"
#include "storage/MacroFit.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

constexpr const char *Usage = "list [--json] | import FILE | export NAME FILE";

int usageError(QTextStream &err)
{
    err << "usage: mousecfg-cli macro " << Usage << "\n";
    return ExitUsage;
}

int list(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool json = args == QStringList { QStringLiteral("--json") };
    if (!args.isEmpty() && !json)
        return usageError(err);
    const QStringList names = LoadMacroList();
    if (json) {
        out << QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (const QString &name : names)
        out << name << "\n";
    return 0;
}

int import(const QString &path, QTextStream &out, QTextStream &err)
{
    QString name;
    switch (ImportMacro(path, name)) {
    case MacroImport::Imported:
        out << "Macro " << name << " imported\n";
        warnIfMacroCut(name, err);
        return 0;
    case MacroImport::Exists:
        err << "mousecfg-cli: Macro Exist! ('" << name << "' is already stored)\n";
        return ExitRefused;
    case MacroImport::ListFull:
        err << "mousecfg-cli: TOO MANY MACROS TO BE CREATE! (" << MacroListSlots << " macros at most)\n";
        return ExitRefused;
    case MacroImport::BadName:
        err << "mousecfg-cli: '" << name << "' cannot name a macro\n";
        return ExitRefused;
    case MacroImport::Unreadable:
        err << "mousecfg-cli: cannot read '" << path << "' (missing, a folder, unreadable or too large)\n";
        return ExitNoInput;
    case MacroImport::Failed:
        err << "mousecfg-cli: cannot write '" << MacroFilePath(name) << "'\n";
        return ExitCannotWrite;
    }
    return ExitCannotWrite;
}

int exportMacro(const QString &name, const QString &path, QTextStream &out, QTextStream &err)
{
    if (!MacroListContains(name) || !MacroFileExists(name)) {
        err << "mousecfg-cli: no macro is named '" << name << "' (mousecfg-cli macro list shows them)\n";
        return ExitNoInput;
    }
    if (QFileInfo(path).isDir() || !ExportMacro(name, path)) {
        err << "mousecfg-cli: cannot write '" << path << "'\n";
        return ExitCannotWrite;
    }
    out << "Macro " << name << " exported to " << path << "\n";
    return 0;
}

int macro(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString action = args.value(0);
    if (action == QLatin1String("list"))
        return list(args.mid(1), out, err);
    if (action == QLatin1String("import") && args.size() == 2)
        return import(args.at(1), out, err);
    if (action == QLatin1String("export") && args.size() == 3)
        return exportMacro(args.at(1), args.at(2), out, err);
    return usageError(err);
}

} // namespace

void warnIfMacroCut(const QString &name, QTextStream &err)
{
    const MacroFit fit = MacroFileFit(name);
    if (!fit.cut())
        return;
    err << "mousecfg-cli: warning: the mouse receives only the first " << fit.sent << " of the " << fit.events
        << " events of macro '" << name << "'";
    if (fit.sent == MaxPlainMacroEvents)
        err << " (without a delay the mouse keeps " << MaxPlainMacroEvents << "; with one, up to "
            << KeyInfoSlots << ")";
    err << "\n";
}

CliCommand macroCommand()
{
    return { "macro", Usage, macro };
}
