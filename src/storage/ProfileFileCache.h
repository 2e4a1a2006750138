#pragma once

#include <QString>

struct ProfileData;

// What each profile file held when this process last wrote or read it, so that a save can leave
// unchanged files alone. A file changed on disk since then (size or time) no longer counts as known.
namespace ProfileFileCache {

// True when the file at `path` is unchanged since it was noted holding `profile`.
bool holds(const QString &path, const ProfileData &profile);
// Notes that the file at `path`, as it is now on disk, holds `profile`.
void remember(const QString &path, const ProfileData &profile);
// Forgets the file at `path` (written by other means).
void forget(const QString &path);

} // namespace ProfileFileCache
