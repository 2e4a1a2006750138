#include "storage/MacroList.h"

#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

#include <QSettings>

namespace {

QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}

QStringList readSlots(const QSettings &file)
{
    QStringList entries;
    for (int slot = 0; slot < MacroListSlots; ++slot)
        entries.append(file.value(slotKey(slot)).toString());
    return entries;
}

// Writes `to` into every slot that holds `from`.
bool replaceInSlots(const QString &from, const QString &to)
{
    return EditIniFile(AppPaths::globalConfigFile(), [&](QSettings &file) {
        const QStringList entries = readSlots(file);
        for (int slot = 0; slot < MacroListSlots; ++slot) {
            if (entries.at(slot) == from)
                file.setValue(slotKey(slot), to);
        }
    });
}

} // namespace

QStringList LoadMacroList()
{
    QStringList names = readSlots(IniReader(AppPaths::globalConfigFile()));
    names.removeAll(QString());
    return names;
}

int MacroCount()
{
    return LoadMacroList().size();
}

bool MacroListContains(const QString &name)
{
    return !name.isEmpty() && LoadMacroList().contains(name);
}

bool AddToMacroList(const QString &name)
{
    if (name.isEmpty())
        return false;
    bool listed = false;
    const bool written = EditIniFile(AppPaths::globalConfigFile(), [&](QSettings &file) {
        const int slot = readSlots(file).indexOf(QString());
        if (slot < 0)
            return;
        file.setValue(slotKey(slot), name);
        listed = true;
    });
    return written && listed;
}

bool RemoveFromMacroList(const QString &name)
{
    return name.isEmpty() || replaceInSlots(name, QString());
}

bool RenameInMacroList(const QString &oldName, const QString &newName)
{
    return oldName.isEmpty() || replaceInSlots(oldName, newName);
}
