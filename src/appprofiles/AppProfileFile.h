#pragma once

#include "appprofiles/AppProfileRules.h"

#include <QString>

// Configs/AppProfiles.ini: the rules of automatic slot switching, in a file of their own so that the
// configuration and profile files stay the same as on other systems.
//
//   [Switching]   Off=true when the user turned switching off; Default=1..5, absent: leave the slot
//   [Rules]       size=N, n\Program=NAME, n\Slot=1..5 (QSettings array)
namespace AppProfileFile {

// Largest file read; anything bigger is no rules file of this program.
constexpr qint64 MaxFileSize = 256 * 1024;

// Configs + "/AppProfiles.ini".
QString path();
// True when the file at `filePath` is missing or may be read: small enough, and every value safe.
bool isReadable(const QString &filePath = path());
// The rules held by the file; an unreadable file, or a rule with an unusable name or slot, reads as nothing.
AppProfileRules load(const QString &filePath = path());
// Replaces the file's content with `rules`, whole or not at all; false (file unchanged) when it could not
// be written or its present content is refused.
bool save(const AppProfileRules &rules, const QString &filePath = path());

} // namespace AppProfileFile
