#pragma once

#include <QString>

// Copies the file `from` to `to`, replacing `to` atomically: a copy that fails leaves `to` as it was.
// Returns false when `from` cannot be read or `to` cannot be written.
bool CopyFileReplacing(const QString &from, const QString &to);
