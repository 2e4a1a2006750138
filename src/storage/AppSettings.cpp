#include "storage/AppSettings.h"

#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

#include <QSettings>

namespace {

// A damaged "PROFILE_LIST/Count" must not make the reader walk millions of keys.
constexpr int MaxLibraryEntries = 1000;

// Installation data: what a package upgrade may change. An installed program reads it from the
// installed Config.ini only, so that the user's copy, made from an older version, never holds it back;
// the copy's stale keys are left in it, unread. A key path ending in "/" stands for its whole group.
const char *const installationKeys[] = {
    "FONT_LIST/",   "Mouse_List/",        "MouseSenSor/",    "MouseLEDMode/",
    "Config/Model", "Config/BatteryFull", "Config/GColorID",
};

QVariant globalValue(const QString &key, const QVariant &defaultValue = QVariant())
{
    const QString installed = AppPaths::installedConfigFile();
    const QString own = GlobalSettingsFile(key);
    const IniReader file(own);
    // A key of the user's state that a later version added is not yet in an older copy: the
    // installation's value stands in until the user's own is saved.
    if (own == installed || file.contains(key))
        return file.value(key, defaultValue);
    return IniReader(installed).value(key, defaultValue);
}

bool setValue(const QString &path, const QString &key, const QVariant &value)
{
    return EditIniFile(path, [&](QSettings &file) { file.setValue(key, value); });
}

bool setGlobalValue(const QString &key, const QVariant &value)
{
    return setValue(AppPaths::globalConfigFile(), key, value);
}

} // namespace

bool IsInstallationKey(const QString &key)
{
    for (const char *entry : installationKeys) {
        const QLatin1String pattern(entry);
        if (pattern.back() == QLatin1Char('/') ? key.startsWith(pattern) : key == pattern)
            return true;
    }
    return false;
}

QString GlobalSettingsFile(const QString &key)
{
    return IsInstallationKey(key) ? AppPaths::installedConfigFile() : AppPaths::globalConfigFile();
}

bool SaveLanguage(int id)
{
    return setValue(AppPaths::languageFile(), QStringLiteral("Config/LangID"), id);
}

int LoadLanguage()
{
    return IniReader(AppPaths::languageFile()).value(QStringLiteral("Config/LangID")).toInt();
}

bool SaveCurrentProduct(const QString &name)
{
    return setGlobalValue(QStringLiteral("Config/CurrentProductName"), name);
}

QString CurrentProduct()
{
    return globalValue(QStringLiteral("Config/CurrentProductName")).toString();
}

bool SaveDiff(int flag)
{
    return setGlobalValue(QStringLiteral("Config/Diff"), flag);
}

int LoadDiff()
{
    return globalValue(QStringLiteral("Config/Diff")).toInt();
}

bool SaveBattery(int percent)
{
    return setGlobalValue(QStringLiteral("Config/Battery"), percent);
}

int LoadBattery()
{
    return globalValue(QStringLiteral("Config/Battery")).toInt();
}

bool BatteryNoticesEnabled()
{
    return globalValue(QStringLiteral("Config/BatteryNotices"), 1).toInt() != 0;
}

int SensorVariant()
{
    return globalValue(QStringLiteral("MouseSenSor/1")).toInt();
}

bool SaveFileOwner(const QString &path, const QString &name)
{
    return setValue(path, QStringLiteral("MouseName/Name"), name);
}

QString FileOwner(const QString &path)
{
    return IniReader(path).value(QStringLiteral("MouseName/Name")).toString();
}

bool SaveLibraryList(const QStringList &names)
{
    return EditIniFile(AppPaths::productConfigFile(CurrentProduct()), [&](QSettings &file) {
        file.setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
        for (int n = 0; n < names.size(); ++n)
            file.setValue(QStringLiteral("PROFILE_LIST/%1").arg(n + 1), names.at(n));
    });
}

QStringList LoadLibraryList()
{
    const IniReader file(AppPaths::productConfigFile(CurrentProduct()));
    const int count = qBound(0, file.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), MaxLibraryEntries);
    QStringList names;
    for (int n = 1; n <= count; ++n)
        names.append(file.value(QStringLiteral("PROFILE_LIST/%1").arg(n)).toString());
    return names;
}
