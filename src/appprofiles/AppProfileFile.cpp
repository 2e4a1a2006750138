#include "appprofiles/AppProfileFile.h"

#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

#include <QFileInfo>

namespace {

const QString OffKey = QStringLiteral("Switching/Off");
const QString DefaultKey = QStringLiteral("Switching/Default");
const QString RulesArray = QStringLiteral("Rules");
const QString ProgramKey = QStringLiteral("Program");
const QString SlotKey = QStringLiteral("Slot");

// A slot as written (1..5) to its index, -2 when it names none.
int slotIndex(const QVariant &value)
{
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok && number >= 1 && number <= 5 ? number - 1 : -2;
}

} // namespace

namespace AppProfileFile {

QString path()
{
    return AppPaths::configsDir() + QStringLiteral("/AppProfiles.ini");
}

bool isReadable(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return true;
    return info.isFile() && info.size() <= MaxFileSize && IniFileIsSafe(filePath);
}

AppProfileRules load(const QString &filePath)
{
    AppProfileRules rules;
    if (!isReadable(filePath))
        return rules;
    IniReader file(filePath);
    rules.setSwitchingWanted(!file.value(OffKey, false).toBool());
    const QVariant defaultValue = file.value(DefaultKey);
    if (defaultValue.isValid())
        rules.setDefaultSlot(slotIndex(defaultValue));
    const int count = file.beginReadArray(RulesArray);
    for (int i = 0; i < qMin(count, AppProfileRules::MaxRules); ++i) {
        file.setArrayIndex(i);
        const QVariant program = file.value(ProgramKey);
        // A list or a number is no program name.
        if (program.type() != QVariant::String)
            continue;
        rules.setRule(program.toString(), slotIndex(file.value(SlotKey)));
    }
    file.endArray();
    return rules;
}

bool save(const AppProfileRules &rules, const QString &filePath)
{
    if (!isReadable(filePath))
        return false;
    return EditIniFile(filePath, [&](QSettings &file) {
        file.clear();
        if (!rules.switchingWanted())
            file.setValue(OffKey, true);
        if (rules.defaultSlot() != AppProfileRules::KeepSlot)
            file.setValue(DefaultKey, rules.defaultSlot() + 1);
        file.beginWriteArray(RulesArray, rules.rules().size());
        for (int i = 0; i < rules.rules().size(); ++i) {
            file.setArrayIndex(i);
            file.setValue(ProgramKey, rules.rules().at(i).program);
            file.setValue(SlotKey, rules.rules().at(i).slot + 1);
        }
        file.endArray();
    });
}

} // namespace AppProfileFile
