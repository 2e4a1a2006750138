#pragma once

#include <QString>

struct ProfileData;

// What each profile file held when this process last wrote or read it, so that a save can leave
// unchanged files alone and a load need not parse them again. A file changed on disk since then (size or
// time) no longer counts as known.
namespace ProfileFileCache {

// True when the file at `path` is unchanged since it was noted holding `profile`.
bool holds(const QString &path, const ProfileData &profile);
// Copies into `profile` what the file at `path` holds, when it is unchanged since it was noted;
// returns whether it was.
bool lookup(const QString &path, ProfileData &profile);
// Notes that the file at `path`, as it is now on disk, holds `profile`.
void remember(const QString &path, const ProfileData &profile);
// Forgets the file at `path` (written by other means).
void forget(const QString &path);

} // namespace ProfileFileCache
