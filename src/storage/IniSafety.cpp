#include "storage/IniSafety.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
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

struct Verdict
{
    qint64 size = -1;
    QDateTime modified;
    bool safe = true;
};

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
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    static QMutex mutex;
    static QHash<QString, Verdict> verdicts;
    const QString key = info.absoluteFilePath();
    {
        QMutexLocker lock(&mutex);
        const Verdict known = verdicts.value(key);
        if (known.size == info.size() && known.modified == info.lastModified())
            return known.safe;
    }
    QFile file(path);
    const bool safe = file.open(QIODevice::ReadOnly) && IniContentIsSafe(file.readAll());
    QMutexLocker lock(&mutex);
    verdicts.insert(key, { info.size(), info.lastModified(), safe });
    return safe;
}

QString SafeIniPath(const QString &path)
{
    return IniFileIsSafe(path) ? path : QString();
}
