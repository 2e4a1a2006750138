#include "cli/CliFiles.h"

#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ImportCheck.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"

#include <QFileInfo>

namespace {

// A path as one line of a message: a name with line breaks must not split it.
QString shown(const QString &path)
{
    QString line = path;
    for (QChar &ch : line) {
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char('?');
    }
    return line;
}

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

int usageError(QTextStream &err, const char *command, const char *arguments)
{
    err << "usage: mousecfg-cli " << command << " " << arguments << "\n";
    return ExitUsage;
}

int noInput(QTextStream &err, const QString &path)
{
    const ImportCheck check(path, ImportCheck::Profile);
    if (check.unreadable())
        err << "mousecfg-cli: " << check.message(shown(path)) << "\n";
    else
        err << "mousecfg-cli: cannot read '" << shown(path) << "'\n";
    return ExitNoInput;
}

int cannotWrite(QTextStream &err, const QString &path)
{
    err << "mousecfg-cli: cannot write '" << shown(path) << "'\n";
    return ExitCannotWrite;
}

// True, with a message, when the file's product stamp names another product.
bool foreignFile(const QString &path, QTextStream &err)
{
    const QString owner = FileOwner(path);
    if (owner == CurrentProduct())
        return false;
    err << "mousecfg-cli: '" << shown(path) << "' belongs to mouse '" << shown(owner) << "', not to '"
        << CurrentProduct() << "'\n";
    return true;
}

// The checks every import makes on its one argument: 0 when the file may be imported, else the exit code.
int checkImportFile(const QStringList &args, const char *command, ImportCheck::Kind kind, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, command, "FILE");
    const ImportCheck check(args.first(), kind);
    if (!check.accepted()) {
        err << "mousecfg-cli: " << check.message(shown(args.first()));
        if (check.result() == ImportCheck::WrongKind)
            err << (kind == ImportCheck::Profile ? " (use import-config)" : " (use import-profile)");
        err << "\n";
        return check.unreadable() ? ExitNoInput : ExitRefused;
    }
    if (foreignFile(args.first(), err))
        return ExitRefused;
    return 0;
}

int exportConfig(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, "export-config", "FILE");
    ConfigData config;
    LoadConfig(config);
    if (!ExportConfigStamped(config, args.first(), CurrentProduct()))
        return cannotWrite(err, args.first());
    out << "Configuration exported to " << args.first() << "\n";
    return 0;
}

int importConfig(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (const int refused = checkImportFile(args, "import-config", ImportCheck::Configuration, err))
        return refused;
    const QString path = args.first();
    ConfigData config;
    LoadConfig(config);
    if (!ImportConfig(config, path)) {
        err << "mousecfg-cli: " << ImportCheck(path, ImportCheck::Configuration).message(shown(path)) << "\n";
        return ExitRefused;
    }
    QString failed;
    if (!SaveConfig(config, &failed))
        return cannotWrite(err, failed);
    out << "Configuration imported from " << path << "\n";
    return 0;
}

int exportProfile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool isNumber = false;
    const int slot = args.size() == 2 ? args.first().toInt(&isNumber) : 0;
    if (!isNumber || slot < 1 || slot > ProfileSlots)
        return usageError(err, "export-profile", "SLOT(1-5) FILE");
    ConfigData config;
    LoadConfig(config);
    const QString name = config.profileNames[slot - 1];
    if (!readable(SlotProfileFile(name)))
        return noInput(err, SlotProfileFile(name));
    if (!ExportSlotProfile(name, args.at(1)))
        return cannotWrite(err, args.at(1));
    out << "Profile " << slot << " (" << name << ") exported to " << args.at(1) << "\n";
    return 0;
}

int importProfile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (const int refused = checkImportFile(args, "import-profile", ImportCheck::Profile, err))
        return refused;
    const QString path = args.first();
    ConfigData config;
    LoadConfig(config);
    const int current = config.ProfileID;
    // Two slots of one name would share one file and overwrite each other.
    const QString baseName = QFileInfo(path).completeBaseName();
    for (int k = 0; k < ProfileSlots; ++k) {
        if (k != current && config.profileNames[k] == baseName) {
            err << "mousecfg-cli: Profile is Already Used! ('" << baseName << "' is profile " << k + 1
                << ")\n";
            return ExitRefused;
        }
    }
    QString name;
    switch (ImportLibraryProfile(path, name)) {
    case ProfileImport::Imported:
        break;
    case ProfileImport::Unreadable:
        return noInput(err, path);
    case ProfileImport::Damaged:
        err << "mousecfg-cli: " << ImportCheck(path, ImportCheck::Profile).message(shown(path)) << "\n";
        return ExitRefused;
    case ProfileImport::OtherProduct:
        foreignFile(path, err);
        return ExitRefused;
    case ProfileImport::Exists:
        err << "mousecfg-cli: Profile Exist! ('" << name << "' is already in the library)\n";
        return ExitRefused;
    case ProfileImport::BadName:
        err << "mousecfg-cli: '" << name << "' cannot name a profile\n";
        return ExitRefused;
    case ProfileImport::Failed:
        return cannotWrite(err, LibraryProfileFile(name));
    }
    LoadProfileFile(config.profiles[current], LibraryProfileFile(name));
    config.profiles[current].ProfileName = name;
    config.profileNames[current] = name;
    QString failed;
    if (!SaveConfig(config, &failed))
        return cannotWrite(err, failed);
    out << "Profile " << name << " imported into profile " << current + 1 << "\n";
    return 0;
}

} // namespace

CliCommand exportConfigCommand()
{
    return { "export-config", "FILE", exportConfig };
}

CliCommand importConfigCommand()
{
    return { "import-config", "FILE", importConfig };
}

CliCommand exportProfileCommand()
{
    return { "export-profile", "SLOT(1-5) FILE", exportProfile };
}

CliCommand importProfileCommand()
{
    return { "import-profile", "FILE", importProfile };
}
