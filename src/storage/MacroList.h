#pragma once

#include <QString>
#include <QStringList>

// The macro list "MACRO_LIST/0".."MACRO_LIST/49" of Config.ini: one name per slot, empty = free.

// Number of slots of the macro list.
constexpr int MacroListSlots = 50;

// The names of the non-empty slots, in slot order.
QStringList LoadMacroList();
// Number of non-empty slots.
int MacroCount();
// True when a slot holds `name`.
bool MacroListContains(const QString &name);
// Writes `name` into the first free slot; false when the list is full or could not be written.
bool AddToMacroList(const QString &name);
// Empties the slots holding `name`; the other slots keep their numbers. False when not written.
bool RemoveFromMacroList(const QString &name);
// Puts `newName` into the slots holding `oldName`; false when not written.
bool RenameInMacroList(const QString &oldName, const QString &newName);
