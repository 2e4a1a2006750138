#pragma once

#include "storage/ConfigData.h"

#include <QString>
#include <QStringList>

// The whole configuration on disk: the "Config" keys of Config.ini, one profile file per slot, and the
// export file (*.conf) that carries both in one file.

// Reads Config.ini and the five slot files into `config` and reloads the button position table.
// A current slot outside 0..4 reads as 0; a missing or path-like slot name reads as "Profile <k>".
// A slot without a slot file reads its library file (StoredProfileFile).
void LoadConfig(ConfigData &config);
// Writes the global keys, the five slot names and every slot file that does not already hold its
// profile, and the library file of each slot name the library has (LibraryTwinFile). False when a write
// failed or a slot name was refused (that slot is skipped); `failedFile`, if given, then receives the first
// file that was not written.
bool SaveConfig(const ConfigData &config, QString *failedFile = nullptr);
// Writes "Config/ProfileID", "Config/Count" and the five slot names; false when not written.
bool SaveProfileList(const ConfigData &config);
// Writes "Config/ProfileID" only; false when not written.
bool SaveProfileID(int id);
// Writes the current DPI stage into the existing slot file and library file of `name`; false when
// refused, when neither exists, or when a write failed.
bool SaveCurrentStage(const QString &name, int stage);
// Replaces the file at `path` by an export of `config`, keeping the file's product stamp.
// False when the file could not be written (the old one then stays as it was).
bool ExportConfig(const ConfigData &config, const QString &path);
// As ExportConfig, stamping the file with product `owner` in the same write.
bool ExportConfigStamped(const ConfigData &config, const QString &path, const QString &owner);
// The names of the five slots, in slot order.
QStringList SlotNames(const ConfigData &config);
// Reads an export file into `config`; slot names missing from the file and the light-off-on-move and
// sleep values keep their values. False (config untouched) when the file is no complete configuration
// (ImportCheck says why, also when two slots would share one name) or is larger than any export
// (MaxImportFileSize).
bool ImportConfig(ConfigData &config, const QString &path);
// The device slot of button 0..15, read from the product definition (0 when it has none); -1 for any
// other button.
int ButtonMatrixSlot(int button);
