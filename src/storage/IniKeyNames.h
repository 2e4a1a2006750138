#pragma once

#include <QString>

// Key names as the INI document keeps, finds and orders them. A name below its section is held either
// as UTF-16 code units (`chars`) or, while it is still the plain bytes of the file, as Latin-1 bytes
// (`bytes`); exactly one of the two is set.
namespace IniKeyNames {

// Whether `key` is as the settings library keeps it: no doubled, leading or trailing '/'.
bool isNormalized(const QString &key);
// `key` without doubled, leading or trailing '/'.
QString normalized(const QString &key);
// `fullKey` cut at its first '/' into its section and the name below it (no '/': no section).
void split(const QString &fullKey, QString &section, QString &name);
// The table hash of a name in a section; the same for the same name in either form.
uint hash(int section, const QChar *chars, const char *bytes, int size);
// Negative, zero or positive as name a sorts before, with or after name b, code unit by code unit
// (the order of QString).
int compare(const QChar *aChars, const char *aBytes, int aSize, const QChar *bChars, const char *bBytes,
            int bSize);
// Whether a name of these bytes is written as it is, needing no escape.
bool isPlain(const char *bytes, int size);

} // namespace IniKeyNames
