#pragma once

#include <QString>

// File operations on the profile library of the current product (product folder + "/Profile").

// Outcome of ImportLibraryProfile().
enum class ProfileImport {
    Imported, // copied into the library and appended to the library list
    Damaged, // no complete profile file: ImportCheck tells why
    OtherProduct, // the file's stamp names another product
    Exists, // the library already has a profile of that name
    BadName, // the file's base name cannot name a profile
    Unreadable, // the file cannot be read, or is larger than MaxImportFileSize
    Failed, // the copy could not be written
};

// A name the user sees is one profile, whether a slot holds it or the library lists it. Its slot file
// and its library file hold the same profile: every save of a slot writes both, and a new library
// profile replaces any slot file left by an earlier profile of its name.

// The library file of profile `name`.
QString LibraryProfileFile(const QString &name);
// The library file that follows the slot file of `name`: the library's file of that name when there is
// one and it is not the slot file itself (without a product name both folders are one); else empty.
QString LibraryTwinFile(const QString &name);
// The file profile `name` is read from: its slot file when there is one, else its library file (a
// library profile no slot has held yet). Files written before both were kept in step have the applied
// edits in the slot file.
QString StoredProfileFile(const QString &name);
// Makes the slot file of `name` a copy of its library file (nothing when both are one file); false
// when it could not be written.
bool CopyLibraryToSlotFile(const QString &name);
// Imports the profile file at `path` under its base name, which `name` receives.
ProfileImport ImportLibraryProfile(const QString &path, QString &name);
// Stamps the stored file of `slotName` (StoredProfileFile) with the current product and copies it to
// `path`, replacing what is there. False when there is no such file or the copy failed (`path` then
// stays as it was).
bool ExportSlotProfile(const QString &slotName, const QString &path);
