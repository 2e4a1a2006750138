#pragma once

#include <QString>

// Macro file operations that keep the macro folder and the macro list together.

// Outcome of ImportMacro().
enum class MacroImport {
    Imported, // copied into the macro folder and added to the list
    Exists, // a macro of that name exists ("Macro Exist!")
    ListFull, // the list has no free slot ("TOO MANY MACROS TO BE CREATE!")
    BadName, // the file's base name cannot name a macro
    Unreadable, // the file cannot be read, or is larger than MaxImportFileSize
    Failed, // the copy could not be written
};

// Creates an empty macro "name_<n>" (smallest free n from 1) and lists it; returns its name, or an
// empty text when the list is full or the file could not be written.
QString CreateMacro();
// Gives macro `oldName` the name `newName`, file and list; false (nothing changed) when a name is
// refused, the old file is missing or the new one exists.
bool RenameMacro(const QString &oldName, const QString &newName);
// Removes the macro's file and its list entry; false when the file could not be removed or the list
// not written.
bool DeleteMacro(const QString &name);
// Copies the macro's file to `path`, replacing what is there; false when the copy failed.
bool ExportMacro(const QString &name, const QString &path);
// Copies the file `path` into the macro folder under its base name and lists it; `name` receives the name.
MacroImport ImportMacro(const QString &path, QString &name);
