#pragma once

#include "storage/ConfigData.h"

#include <QString>

// Profile files (*.prof): one profile in section "PROFILE". Writes replace the file atomically and keep
// the keys of an existing file that a profile does not own (such as the product stamp).

// Configs/Profile/<name>.prof, the file of a slot.
QString SlotProfileFile(const QString &name);
// Writes `profile` to the slot file of `name`. False when `name` is not a plain file name (nothing is
// written) or the file could not be written (the old file stays as it was).
bool SaveProfileFile(const ProfileData &profile, const QString &name);
// As SaveProfileFile, but leaves the file alone when it already is what writing `profile` would make it.
bool SaveProfileFileIfChanged(const ProfileData &profile, const QString &name);
// Writes `profile` to the profile file at `path`; false when it could not be written.
bool SaveProfileFileAt(const ProfileData &profile, const QString &path);
// As SaveProfileFileAt, but leaves the file alone when it already is what writing `profile` would make it.
bool SaveProfileFileAtIfChanged(const ProfileData &profile, const QString &path);
// Reads the profile file at `path` into `profile`; a missing file reads as all defaults.
void LoadProfileFile(ProfileData &profile, const QString &path);
// Rewrites Configs/Profile/DefaultProfile.prof from the factory profile; false when that failed.
bool WriteFactoryProfileFile();
