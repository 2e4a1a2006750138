// Gives a program folder real profiles instead of empty ones: writes the five slot profile files, the
// current product's library files and its library list, and the product's sensor settings into
// Config.ini, each only where it is absent.

#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "storage/SensorSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTextStream>

namespace {

// Writes the factory profile under `name` at `path` unless a file is there; false when that failed.
bool writeIfAbsent(const ProfileData &factory, const QString &name, const QString &path, QTextStream &err)
{
    if (QFileInfo::exists(path))
        return true;
    ProfileData profile = factory;
    profile.ProfileName = name;
    if (SaveProfileFileAt(profile, path))
        return true;
    err << "mousecfg-initconfigs: cannot write " << path << "\n";
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 || !QFileInfo(QString::fromLocal8Bit(argv[1])).isDir()) {
        err << "usage: mousecfg-initconfigs APPDIR\n";
        return 64;
    }
    AppPaths::setAppDir(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());

    ProfileData factory;
    MakeFactoryProfile(factory);
    bool ok = true;
    ConfigData config;
    LoadConfig(config); // for the slot names, which default to "Profile <k>"
    for (const QString &name : config.profileNames)
        ok = writeIfAbsent(factory, name, SlotProfileFile(name), err) && ok;

    const QString product = CurrentProduct();
    const QString library = AppPaths::libraryDir(product);
    ok = writeIfAbsent(factory, QString(), library + QStringLiteral("/DefaultProfile.prof"), err) && ok;
    QStringList libraryNames;
    for (int k = 1; k <= ProfileSlots; ++k) {
        libraryNames.append(QStringLiteral("Profile %1").arg(k));
        ok = writeIfAbsent(factory, libraryNames.last(),
                           library + QLatin1Char('/') + libraryNames.last() + ".prof", err)
            && ok;
    }
    if (!QSettings(AppPaths::productConfigFile(product), QSettings::IniFormat).contains("PROFILE_LIST/Count"))
        SaveLibraryList(libraryNames);
    if (!AddMissingSensorSettings(AppPaths::globalConfigFile())) {
        err << "mousecfg-initconfigs: cannot write " << AppPaths::globalConfigFile() << "\n";
        ok = false;
    }
    // Macro import copies into this folder.
    QDir().mkpath(AppPaths::macroDir());
    return ok ? 0 : 1;
}
