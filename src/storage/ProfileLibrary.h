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

// The library file of profile `name`.
QString LibraryProfileFile(const QString &name);
// Imports the profile file at `path` under its base name, which `name` receives.
ProfileImport ImportLibraryProfile(const QString &path, QString &name);
// Stamps the slot file of `slotName` with the current product and copies it to `path`, replacing what
// is there. False when the slot file is missing or the copy failed (`path` then stays as it was).
bool ExportSlotProfile(const QString &slotName, const QString &path);
