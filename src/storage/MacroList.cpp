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

bool written(QSettings &file)
{
    file.sync();
    return file.status() != QSettings::AccessError;
}

// Writes `to` into every slot that holds `from`.
bool replaceInSlots(const QString &from, const QString &to)
{
    QSettings file(AppPaths::globalConfigFile(), QSettings::IniFormat);
    const QStringList entries = readSlots(file);
    for (int slot = 0; slot < MacroListSlots; ++slot) {
        if (entries.at(slot) == from)
            file.setValue(slotKey(slot), to);
    }
    return written(file);
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
    return written(file);
}

bool RemoveFromMacroList(const QString &name)
{
    return name.isEmpty() || replaceInSlots(name, QString());
}

bool RenameInMacroList(const QString &oldName, const QString &newName)
{
    return oldName.isEmpty() || replaceInSlots(oldName, newName);
}
