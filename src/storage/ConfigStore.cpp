#include "storage/ConfigStore.h"

#include "storage/AppPaths.h"
#include "storage/ImportCheck.h"
#include "storage/ImportLimit.h"
#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"
#include "storage/ProductDefinition.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileKeys.h"
#include "storage/ProfileLibrary.h"
#include "storage/SensorSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <atomic>

namespace {

const QString idKey = QStringLiteral("Config/ProfileID");
const QString countKey = QStringLiteral("Config/Count");
const QString ownerKey = QStringLiteral("MouseName/Name");

QString slotNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

QString exportSection(int slot)
{
    return QStringLiteral("PROFILE_%1").arg(slot);
}

struct GlobalKey
{
    const char *key;
    quint8 ConfigData::*field;
};

// In the order each writer emits them.
const GlobalKey saveOrder[] = {
    { "Config/AngleValue", &ConfigData::AngleValue }, { "Config/Sync", &ConfigData::Sync },
    { "Config/LiftHigh", &ConfigData::LiftHigh },     { "Config/Jitter", &ConfigData::Jitter },
    { "Config/Debounce", &ConfigData::Debounce },     { "Config/Wake", &ConfigData::Wake },
    { "Config/SensorMode", &ConfigData::SensorMode }, { "Config/Count", &ConfigData::Count },
};
const GlobalKey exportOrder[] = {
    { "Config/AngleValue", &ConfigData::AngleValue },
    { "Config/LiftHigh", &ConfigData::LiftHigh },
    { "Config/Sync", &ConfigData::Sync },
    { "Config/Jitter", &ConfigData::Jitter },
    { "Config/Debounce", &ConfigData::Debounce },
    { "Config/Wake", &ConfigData::Wake },
    { "Config/SensorMode", &ConfigData::SensorMode },
    { "Config/Count", &ConfigData::Count },
};

template<class File, int N>
void writeGlobals(File &file, const ConfigData &config, const GlobalKey (&keys)[N])
{
    file.setValue(idKey, int(config.ProfileID));
    for (const GlobalKey &g : keys)
        file.setValue(QLatin1String(g.key), int(config.*g.field));
}

template<class File> void readGlobals(const File &file, ConfigData &config)
{
    // A damaged slot number must never index past the five profiles.
    const int id = file.value(idKey).toInt();
    config.ProfileID = quint8(id >= 0 && id < ProfileSlots ? id : 0);
    config.Count = quint8(file.value(countKey).toInt());
    ReadSensorSettings([&file](const QString &key) { return file.value(key); }, config);
}

// `owner` null: keep the file's stamp.
bool exportTo(const ConfigData &config, const QString &path, const QString *owner)
{
    return EditIniFile(path, [&](QSettings &file) {
        const QVariant stamp = owner ? QVariant(*owner) : file.value(ownerKey);
        file.clear();
        if (stamp.isValid())
            file.setValue(ownerKey, stamp);
        writeGlobals(file, config, exportOrder);
        // The slot names travel too, so that an import restores them.
        for (int k = 0; k < ProfileSlots; ++k)
            file.setValue(slotNameKey(k), config.profileNames[k]);
        for (int k = 0; k < ProfileSlots; ++k)
            WriteProfileKeys(file, exportSection(k), config.profiles[k], SleepKeys::Omitted);
    });
}

} // namespace

QStringList SlotNames(const ConfigData &config)
{
    QStringList names;
    for (const QString &name : config.profileNames)
        names.append(name);
    return names;
}

void LoadConfig(ConfigData &config)
{
    {
        const IniDocument file = ReadIniDocument(AppPaths::globalConfigFile());
        readGlobals(file, config);
        for (int k = 0; k < ProfileSlots; ++k) {
            const QString name = file.value(slotNameKey(k)).toString();
            config.profileNames[k]
                = AppPaths::isSafeFileName(name) ? name : QStringLiteral("Profile %1").arg(k + 1);
        }
    }
    for (int k = 0; k < ProfileSlots; ++k)
        LoadProfileFile(config.profiles[k], StoredProfileFile(config.profileNames[k]));
}

bool SaveConfig(const ConfigData &config, QString *failedFile)
{
    bool ok = true;
    const auto failed = [&](const QString &path) {
        if (ok && failedFile)
            *failedFile = path;
        ok = false;
    };
    const bool globalsWritten = EditIniDocument(AppPaths::globalConfigFile(), [&](IniDocument &file) {
        writeGlobals(file, config, saveOrder);
        for (int k = 0; k < ProfileSlots; ++k) {
            if (AppPaths::isSafeFileName(config.profileNames[k]))
                file.setValue(slotNameKey(k), config.profileNames[k]);
        }
        return true;
    });
    if (!globalsWritten)
        failed(AppPaths::globalConfigFile());
    for (int k = 0; k < ProfileSlots; ++k) {
        const QString &name = config.profileNames[k];
        if (!SaveProfileFileIfChanged(config.profiles[k], name))
            failed(SlotProfileFile(name));
        // Picking the name from the library must show what the slot last saved.
        const QString twin = LibraryTwinFile(name);
        if (!twin.isEmpty() && !SaveProfileFileAtIfChanged(config.profiles[k], twin))
            failed(twin);
    }
    return ok;
}

bool SaveProfileList(const ConfigData &config)
{
    return EditIniDocument(AppPaths::globalConfigFile(), [&](IniDocument &file) {
        file.setValue(idKey, int(config.ProfileID));
        file.setValue(countKey, int(config.Count));
        for (int k = 0; k < ProfileSlots; ++k) {
            if (AppPaths::isSafeFileName(config.profileNames[k]))
                file.setValue(slotNameKey(k), config.profileNames[k]);
        }
        return true;
    });
}

bool SaveProfileID(int id)
{
    return EditIniDocument(AppPaths::globalConfigFile(), [&](IniDocument &file) {
        file.setValue(idKey, id);
        return true;
    });
}

bool SaveCurrentStage(const QString &name, int stage)
{
    if (!AppPaths::isSafeFileName(name))
        return false;
    bool written = false;
    for (const QString &path : { SlotProfileFile(name), LibraryTwinFile(name) }) {
        // A file holding only this key would read as an empty profile.
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        if (!EditIniDocument(path, [&](IniDocument &file) {
                file.setValue(QStringLiteral("PROFILE/dpi"), stage);
                return true;
            }))
            return false;
        written = true;
    }
    return written;
}

bool ExportConfig(const ConfigData &config, const QString &path)
{
    return exportTo(config, path, nullptr);
}

bool ExportConfigStamped(const ConfigData &config, const QString &path, const QString &owner)
{
    return exportTo(config, path, &owner);
}

bool ImportConfig(ConfigData &config, const QString &path)
{
    if (!ImportSizeAcceptable(path))
        return false;
    IniReader file(path);
    if (!ImportCheck::checkContent(file, ImportCheck::Configuration, SlotNames(config)).accepted())
        return false;
    ConfigData imported = config;
    readGlobals(file, imported);
    for (int k = 0; k < ProfileSlots; ++k) {
        // An absent or path-like name would leave the slot without a file of its own.
        const QString name = file.value(slotNameKey(k)).toString();
        if (AppPaths::isSafeFileName(name))
            imported.profileNames[k] = name;
        ReadProfileKeys<QSettings>(file, exportSection(k), imported.profiles[k], SleepKeys::Omitted);
    }
    config = imported;
    return true;
}

int ButtonMatrixSlot(int button)
{
    if (button < 0 || button >= ButtonMatrixSize)
        return -1;
    qint8 table[ButtonMatrixSize] = {};
    LoadButtonMatrix(table);
    return table[button];
}
