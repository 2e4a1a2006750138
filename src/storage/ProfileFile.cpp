#include "storage/ProfileFile.h"

#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"
#include "storage/ProfileFileCache.h"
#include "storage/ProfileKeys.h"

#include <QSettings>

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
    return ProfileFileCache::holds(path, profile) || SaveProfileFileAt(profile, path);
}

bool SaveProfileFileAt(const ProfileData &profile, const QString &path)
{
    const bool written = EditIniFile(
        path, [&](QSettings &file) { WriteProfileKeys(file, profileSection, profile, SleepKeys::Included); });
    if (written)
        ProfileFileCache::remember(path, profile);
    else
        ProfileFileCache::forget(path);
    return written;
}

void LoadProfileFile(ProfileData &profile, const QString &path)
{
    // Parsing a slot file's thousands of keys is most of a configuration load; an unchanged file
    // holds what it held when it was last read or written.
    if (ProfileFileCache::lookup(path, profile))
        return;
    ProfileData loaded;
    {
        IniReader file(path);
        ReadProfileKeys(file, profileSection, loaded, SleepKeys::Included);
    }
    profile = loaded;
    ProfileFileCache::remember(path, profile);
}

bool WriteFactoryProfileFile()
{
    ProfileData factory;
    MakeFactoryProfile(factory);
    return SaveProfileFileAt(factory, AppPaths::slotProfileDir() + QStringLiteral("/DefaultProfile.prof"));
}
