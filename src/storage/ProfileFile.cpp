#include "storage/ProfileFile.h"

#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"

#include <QFileInfo>

namespace {
const QString profileSection = QStringLiteral("PROFILE");
}

QString SlotProfileFile(const QString &name)
{
    return AppPaths::slotProfileDir() + QLatin1Char('/') + name + QStringLiteral(".prof");
}

bool SaveProfileFile(const ProfileData &profile, const QString &name)
{
    if (!AppPaths::isSafeFileName(name))
        return false;
    return SaveProfileFileAt(profile, SlotProfileFile(name));
}

bool SaveProfileFileIfChanged(const ProfileData &profile, const QString &name)
{
    if (!AppPaths::isSafeFileName(name))
        return false;
    const QString path = SlotProfileFile(name);
    const bool exists = QFileInfo(path).isFile();
    return EditIniDocument(path, [&](IniDocument &file) {
        ProfileData held;
        ReadProfileKeys(file, profileSection, held, SleepKeys::Included);
        if (exists && held == profile)
            return false;
        WriteProfileKeys(file, profileSection, profile, SleepKeys::Included);
        return true;
    });
}

bool SaveProfileFileAt(const ProfileData &profile, const QString &path)
{
    return EditIniDocument(path, [&](IniDocument &file) {
        WriteProfileKeys(file, profileSection, profile, SleepKeys::Included);
        return true;
    });
}

void LoadProfileFile(ProfileData &profile, const QString &path)
{
    ProfileData loaded;
    IniDocument file = ReadIniDocument(path);
    ReadProfileKeys(file, profileSection, loaded, SleepKeys::Included);
    profile = loaded;
}

bool WriteFactoryProfileFile()
{
    ProfileData factory;
    MakeFactoryProfile(factory);
    return SaveProfileFileAt(factory, AppPaths::slotProfileDir() + QStringLiteral("/DefaultProfile.prof"));
}
