#include "storage/ProfileFile.h"

#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"

#include <QFile>

namespace {

const QString profileSection = QStringLiteral("PROFILE");

// True when the file at `path` is what writing `profile` into it would make it: the profile alone,
// perhaps after the product stamp. Compared as text, so that no unchanged file needs parsing.
bool holdsExactly(const QString &path, const ProfileData &profile)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    const QByteArray expected = ProfileFileText(profile);
    if (content.size() < expected.size() || !content.endsWith(expected))
        return false;
    const QByteArray stamp = content.left(content.size() - expected.size());
    static const QByteArray stampStart("[MouseName]\nName=");
    // A stamp with quotes, escapes or a comment mark could reach into the next lines: read that file.
    return stamp.isEmpty()
        || (stamp.startsWith(stampStart) && stamp.endsWith("\n\n") && stamp.count('\n') == 3
            && !stamp.contains('\r') && !stamp.contains('"') && !stamp.contains('\\') && !stamp.contains(';'));
}

} // namespace

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
    return holdsExactly(path, profile) || SaveProfileFileAt(profile, path);
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
