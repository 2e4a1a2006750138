#include "storage/MacroList.h"

#include "storage/AppPaths.h"

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
void replaceInSlots(const QString &from, const QString &to)
{
    QSettings file(AppPaths::globalConfigFile(), QSettings::IniFormat);
    const QStringList entries = readSlots(file);
    for (int slot = 0; slot < MacroListSlots; ++slot) {
        if (entries.at(slot) == from)
            file.setValue(slotKey(slot), to);
    }
}

} // namespace

QStringList LoadMacroList()
{
    QStringList names = readSlots(QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat));
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
    QSettings file(AppPaths::globalConfigFile(), QSettings::IniFormat);
    const int slot = readSlots(file).indexOf(QString());
    if (slot < 0)
        return false;
    file.setValue(slotKey(slot), name);
    return true;
}

void RemoveFromMacroList(const QString &name)
{
    if (!name.isEmpty())
        replaceInSlots(name, QString());
}

void RenameInMacroList(const QString &oldName, const QString &newName)
{
    if (!oldName.isEmpty())
        replaceInSlots(oldName, newName);
}
