#pragma once

#include <QSettings>
#include <QString>

// The settings library decodes a value written as "@Variant(...)" or "@DateTime(...)" with a stream
// reader that trusts the counts inside it: a damaged or hostile value can make it allocate without
// bound and end the program. The program itself only ever stores colours that way.

// True when every such value in the INI file at `path` holds a colour (a missing file is safe).
bool IniFileIsSafe(const QString &path);

// True when every such value in the INI text `content` holds a colour.
bool IniContentIsSafe(const QByteArray &content);

// `path` when the file is safe to read; otherwise an empty path, which the settings library reads
// as a file without keys (every value then reads as its default).
QString SafeIniPath(const QString &path);

// True when one value, as written in the file after "key=", decodes to nothing but safe strings.
bool IniValueIsSafe(const QByteArray &rawValue);

// An INI file opened for reading through SafeIniPath: an unsafe file reads as one without keys.
class IniReader : public QSettings
{
public:
    explicit IniReader(const QString &path)
        : QSettings(SafeIniPath(path), QSettings::IniFormat)
    { }
};
