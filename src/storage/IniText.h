#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTextCodec;

// The text forms of keys and values in the INI files, exactly as the settings library (QSettings,
// IniFormat) writes and reads them, so that files written either way are the same bytes. `codec` is
// null except for a file that began with a UTF-8 byte order mark, which the library then reads and
// writes as UTF-8 instead of escaping every non-ASCII character.
namespace IniText {

// Appends `key` as written in a file: '/' as '\', other characters outside [A-Za-z0-9_.-] as %XX or
// %UXXXX.
void appendKey(const QString &key, QByteArray &out);
// The key written as bytes [from, to) of `data`: the reverse of appendKey.
QString key(const char *data, int from, int to);
// Appends `value` as written after "key=".
void appendValue(const QVariant &value, QByteArray &out, QTextCodec *codec);
// The value written as bytes [from, to) of `data` (after "key=", up to the end of the line).
QVariant value(const char *data, int from, int to, QTextCodec *codec);
// The strings a written value reads as before any '@' form is taken apart: one, or the items of a list.
QStringList strings(const QByteArray &raw);

} // namespace IniText
