#pragma once

#include <QString>

#include <functional>

class QSettings;

// Changes the INI file at `path` (created if absent) with `edit`, so that afterwards it holds either
// its old content or every key of the new one, never part of a file. The edit works on a copy
// beside the file; only when the copy holds every key does it take the file's place. False, with the file as
// it was, when anything failed. (A settings object writing the file itself can commit a file cut short by a
// full disk or a size limit.)
bool EditIniFile(const QString &path, const std::function<void(QSettings &file)> &edit);
