#pragma once

#include <QFileInfo>
#include <QString>

// The largest file an import accepts. A full configuration export is about 1.3 MB; anything far
// beyond that is no file of this program, and reading it would only cost time and memory.
constexpr qint64 MaxImportFileSize = 16 * 1024 * 1024;

// True when the file at `path` is small enough to be imported.
inline bool ImportSizeAcceptable(const QString &path)
{
    return QFileInfo(path).size() <= MaxImportFileSize;
}
