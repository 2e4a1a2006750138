#include "storage/IniSafety.h"

#include <QFile>
#include <QStringList>

#include <cstring>

namespace {

// Type number of a colour in a stored variant.
constexpr quint32 ColourType = 67;

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// The strings a value decodes to, following the settings library's unescaping: simple escapes,
// "\x" hex and "\0".."\7" octal escapes of any length, quotes, and commas making a list.
QStringList unescapedStrings(const QByteArray &raw)
{
    static const char simpleEscapes[][2]
        = { { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' }, { 'n', '\n' },  { 'r', '\r' }, { 't', '\t' },
            { 'v', '\v' }, { '"', '"' },  { '?', '?' },  { '\'', '\'' }, { '\\', '\\' } };
    QStringList strings;
    QString current;
    bool quoted = false;
    int i = 0;
    const int size = raw.size();
    while (i < size) {
        const char ch = raw.at(i);
        if (ch == '\\') {
            if (++i >= size)
                break;
            const char code = raw.at(i++);
            bool simple = false;
            for (const auto &escape : simpleEscapes) {
                if (code == escape[0]) {
                    current += QLatin1Char(escape[1]);
                    simple = true;
                    break;
                }
            }
            if (simple)
                continue;
            if (code == 'x' || (code >= '0' && code <= '7')) {
                const int base = code == 'x' ? 16 : 8;
                quint32 value = code == 'x' ? 0 : quint32(code - '0');
                bool digits = code != 'x';
                while (i < size) {
                    const int digit = hexValue(raw.at(i));
                    if (digit < 0 || digit >= base)
                        break;
                    value = value * base + quint32(digit);
                    digits = true;
                    ++i;
                }
                if (digits)
                    current += QChar(ushort(value & 0xffff));
            }
            // Any other escaped character is dropped.
        } else if (ch == '"') {
            quoted = !quoted;
            ++i;
        } else if (ch == ',' && !quoted) {
            strings << current.trimmed();
            current.clear();
            ++i;
        } else {
            current += QLatin1Char(ch);
            ++i;
        }
    }
    strings << current.trimmed();
    return strings;
}

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

} // namespace

bool IniValueIsSafe(const QByteArray &rawValue)
{
    const QStringList strings = unescapedStrings(rawValue);
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
    const bool continued = content.contains("\\\n") || content.contains("\\\r\n");
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
