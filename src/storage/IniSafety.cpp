#include "storage/IniSafety.h"

#include "storage/IniText.h"

#include <QFile>
#include <QStringList>

#include <cstring>

namespace {

// Type number of a colour in a stored variant.
constexpr quint32 ColourType = 67;

bool stringIsSafe(const QString &text)
{
    if (!text.endsWith(QLatin1Char(')')))
        return true;
    if (text.startsWith(QLatin1String("@DateTime(")))
        return false;
    if (!text.startsWith(QLatin1String("@Variant(")))
        return true;
    const QByteArray stream = text.mid(9).toLatin1();
    if (stream.size() < 4)
        return true;
    const quint32 type = (quint32(quint8(stream[0])) << 24) | (quint32(quint8(stream[1])) << 16)
        | (quint32(quint8(stream[2])) << 8) | quint32(quint8(stream[3]));
    return type == ColourType;
}

// Whether a line ends in a backslash; a search for the backslashes alone, as few lines have one.
bool endsLineWithBackslash(const QByteArray &content)
{
    const char *data = content.constData();
    const char *end = data + content.size();
    for (const char *p = data; (p = static_cast<const char *>(std::memchr(p, '\\', size_t(end - p)))); ++p) {
        if ((p + 1 < end && p[1] == '\n') || (p + 2 < end && p[1] == '\r' && p[2] == '\n'))
            return true;
    }
    return false;
}

} // namespace

bool IniValueIsSafe(const QByteArray &rawValue)
{
    const QStringList strings = IniText::strings(rawValue);
    for (const QString &text : strings) {
        if (!stringIsSafe(text))
            return false;
    }
    return true;
}

bool IniContentIsSafe(const QByteArray &content)
{
    // A line ending in a backslash goes on in the next one, as the settings library reads it.
    QByteArray joined;
    const bool continued = endsLineWithBackslash(content);
    if (continued)
        joined = QByteArray(content).replace("\\\r\n", "").replace("\\\n", "");
    const QByteArray &text = continued ? joined : content;
    const char *data = text.constData();
    const int size = text.size();
    for (int start = 0; start < size;) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = size;
        const char *equals = static_cast<const char *>(std::memchr(data + start, '=', size_t(end - start)));
        if (equals && equals > data + start) {
            const int from = int(equals - data) + 1;
            const bool marked = std::memchr(data + from, '@', size_t(end - from))
                || std::memchr(data + from, '\\', size_t(end - from));
            if (marked && !IniValueIsSafe(text.mid(from, end - from).trimmed()))
                return false;
        }
        start = end + 1;
    }
    return true;
}

bool IniFileIsSafe(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return true;
    // The files read this way are small; the large profile files are read by IniDocument.
    return file.open(QIODevice::ReadOnly) && IniContentIsSafe(file.readAll());
}

QString SafeIniPath(const QString &path)
{
    return IniFileIsSafe(path) ? path : QString();
}
