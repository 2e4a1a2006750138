#pragma once

#include <QString>

#include <functional>

class IniDocument;
class QByteArray;
class QSettings;

// Changes the INI file at `path` (created if absent) with `edit`, so that afterwards it holds either
// its old content or every key of the new one, never part of a file. The edit works on a copy
// beside the file; only when the copy holds every key does it take the file's place. False, with the file as
// it was, when anything failed. (A settings object writing the file itself can commit a file cut short by a
// full disk or a size limit.)
bool EditIniFile(const QString &path, const std::function<void(QSettings &file)> &edit);

// The keys of the INI file at `path`; none for a missing or unreadable file, or one holding a value
// the settings library cannot read safely (as SafeIniPath).
IniDocument ReadIniDocument(const QString &path);
// As EditIniFile, through an IniDocument holding the file's keys; the file is written, byte for byte
// as the settings library would write it, only when `edit` returns true (false: leave it, succeed) and
// the bytes differ from the file's.
bool EditIniDocument(const QString &path, const std::function<bool(IniDocument &file)> &edit);
// As above, but `direct` first gets the file's bytes (empty for a missing file) and may give the new
// bytes itself (returning true), sparing the parse; otherwise `edit` runs as above.
bool EditIniDocument(const QString &path, const std::function<bool(IniDocument &file)> &edit,
                     const std::function<bool(const QByteArray &old, QByteArray &content)> &direct);
