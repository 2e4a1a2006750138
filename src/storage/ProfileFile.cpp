#include "storage/ProfileFile.h"

#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"

#include <QFile>

namespace {

const QString profileSection = QStringLiteral("PROFILE");

// The text before "[PROFILE]" of a file the profile writer would leave as it is apart from the profile:
// nothing, or a product stamp of plain characters (others could reach into the next lines or be
// written back differently).
bool isPlainStamp(const QByteArray &stamp)
{
    static const QByteArray start("[MouseName]\nName=");
    if (stamp.isEmpty())
        return true;
    if (!stamp.startsWith(start) || !stamp.endsWith("\n\n"))
        return false;
    const QByteArray name = stamp.mid(start.size(), stamp.size() - start.size() - 2);
    if (name.isEmpty() || name.startsWith(' ') || name.endsWith(' ') || name.startsWith('@'))
        return false;
    for (const char ch : name) {
        if (ch < 0x20 || ch > 0x7e || ch == '"' || ch == '\\' || ch == ';' || ch == ',' || ch == '=')
            return false;
    }
    return true;
}

// True when the file at `path` is what writing `profile` into it would make it. Compared as text, so
// that no unchanged file needs parsing.
bool holdsExactly(const QString &path, const ProfileData &profile)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    const QByteArray expected = ProfileFileText(profile);
    return content.endsWith(expected) && isPlainStamp(content.left(content.size() - expected.size()));
}

// The new text of a profile file holding `old`, when it holds nothing but a profile (and perhaps the
// stamp): the usual slot file, written without parsing it.
bool directText(const QByteArray &old, const ProfileData &profile, QByteArray &content)
{
    const int section = old.isEmpty() ? 0 : old.indexOf("[PROFILE]\n");
    if (section < 0 || !isPlainStamp(old.left(section)))
        return false;
    if (!old.isEmpty() && !IsProfileFileText(old.mid(section)))
        return false;
    content = old.left(section) + ProfileFileText(profile);
    return true;
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
    return SaveProfileFileAtIfChanged(profile, SlotProfileFile(name));
}

bool SaveProfileFileAtIfChanged(const ProfileData &profile, const QString &path)
{
    return holdsExactly(path, profile) || SaveProfileFileAt(profile, path);
}

bool SaveProfileFileAt(const ProfileData &profile, const QString &path)
{
    return EditIniDocument(
        path,
        [&](IniDocument &file) {
            WriteProfileKeys(file, profileSection, profile, SleepKeys::Included);
            return true;
        },
        [&](const QByteArray &old, QByteArray &content) { return directText(old, profile, content); });
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
