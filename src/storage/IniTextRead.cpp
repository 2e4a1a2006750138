#include "storage/IniText.h"

#include <QDataStream>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>

// The reading side of IniText: key and value texts back to what the settings library reads from them.
namespace {

int hexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// "@Rect(1 2 3 4)" and the like: the words between the parenthesis at `open` and the end.
QStringList words(const QString &text, int open)
{
    QStringList result;
    QString word;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char(')')) {
            result.append(word);
        } else if (ch == QLatin1Char(' ')) {
            result.append(word);
            word.clear();
        } else {
            word.append(ch);
        }
    }
    return result;
}

QVariant fromString(const QString &text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return text.midRef(11, text.size() - 12).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return text.mid(8, text.size() - 9);
        const bool dateTime = text.startsWith(QLatin1String("@DateTime("));
        if (dateTime || text.startsWith(QLatin1String("@Variant("))) {
            QByteArray bytes = text.midRef(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant result;
            stream >> result;
            return result;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList args = words(text, 5);
            if (args.size() == 4)
                return QRect(args[0].toInt(), args[1].toInt(), args[2].toInt(), args[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList args = words(text, 5);
            if (args.size() == 2)
                return QSize(args[0].toInt(), args[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList args = words(text, 6);
            if (args.size() == 2)
                return QPoint(args[0].toInt(), args[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text;
}

QVariant fromStrings(const QStringList &strings)
{
    QStringList plain = strings;
    for (int i = 0; i < plain.size(); ++i) {
        if (!plain.at(i).startsWith(QLatin1Char('@')))
            continue;
        if (plain.at(i).startsWith(QLatin1String("@@"))) {
            plain[i].remove(0, 1);
            continue;
        }
        // One typed item makes every item a variant of its own.
        QVariantList variants;
        variants.reserve(strings.size());
        for (const QString &text : strings)
            variants.append(fromString(text));
        return variants;
    }
    return plain;
}

void chopBlanks(QString &text, int limit)
{
    int n = text.size() - 1;
    while (n >= limit && (text.at(n) == QLatin1Char(' ') || text.at(n) == QLatin1Char('\t')))
        text.truncate(n--);
}

// Undoes appendString over [from, to): returns true with `list` filled when unquoted commas made a list,
// else false with the one string in `text`.
bool unescape(const char *data, int from, int to, QTextCodec *codec, QString &text, QStringList &list)
{
    static const char simpleEscapes[][2]
        = { { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' }, { 'n', '\n' },  { 'r', '\r' }, { 't', '\t' },
            { 'v', '\v' }, { '"', '"' },  { '?', '?' },  { '\'', '\'' }, { '\\', '\\' } };
    enum State { SkipBlanks, Normal, HexEscape, OctalEscape, End };
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    uint escaped = 0;
    int chopLimit = 0;
    int i = from;
    State state = SkipBlanks;
    while (state != End) {
        switch (state) {
        case SkipBlanks:
            while (i < to && (data[i] == ' ' || data[i] == '\t'))
                ++i;
            state = Normal;
            break;
        case Normal: {
            chopLimit = text.size();
            State next = End;
            bool chop = true;
            while (i < to && next == End) {
                const char ch = data[i];
                if (ch == '\\') {
                    if (++i >= to) {
                        chop = false;
                        break;
                    }
                    const char code = data[i++];
                    bool simple = false;
                    for (const auto &escape : simpleEscapes) {
                        if (code == escape[0]) {
                            text += QLatin1Char(escape[1]);
                            simple = true;
                            break;
                        }
                    }
                    if (simple) {
                        chopLimit = text.size();
                        continue;
                    }
                    if (code == 'x') {
                        escaped = 0;
                        if (i >= to) {
                            chop = false;
                            break;
                        }
                        if (hexDigit(data[i]) >= 0) {
                            next = HexEscape;
                            break;
                        }
                    } else if (code >= '0' && code <= '7') {
                        escaped = uint(code - '0');
                        next = OctalEscape;
                        break;
                    } else if ((code == '\n' || code == '\r') && i < to) {
                        const char following = data[i];
                        if ((following == '\n' || following == '\r') && following != code)
                            ++i;
                    }
                    // Any other escaped character is dropped.
                    chopLimit = text.size();
                } else if (ch == '"') {
                    ++i;
                    quoted = true;
                    inQuotes = !inQuotes;
                    if (!inQuotes)
                        next = SkipBlanks;
                } else if (ch == ',' && !inQuotes) {
                    if (!quoted)
                        chopBlanks(text, chopLimit);
                    if (!isList) {
                        isList = true;
                        list.clear();
                    }
                    list.append(text);
                    text.clear();
                    quoted = false;
                    ++i;
                    next = SkipBlanks;
                } else {
                    int j = i + 1;
                    while (j < to && data[j] != '\\' && data[j] != '"' && data[j] != ',')
                        ++j;
                    if (codec)
                        text += codec->toUnicode(data + i, j - i);
                    else
                        text += QLatin1String(data + i, j - i);
                    i = j;
                }
            }
            if (next == End && chop && !quoted)
                chopBlanks(text, chopLimit);
            state = next;
            break;
        }
        case HexEscape:
        case OctalEscape: {
            const int base = state == HexEscape ? 16 : 8;
            while (i < to) {
                const int digit = hexDigit(data[i]);
                if (digit < 0 || digit >= base)
                    break;
                escaped = escaped * uint(base) + uint(digit);
                ++i;
            }
            text += QChar(ushort(escaped & 0xffff));
            state = i < to ? Normal : End;
            break;
        }
        case End:
            break;
        }
    }
    if (isList)
        list.append(text);
    return isList;
}

} // namespace

namespace IniText {

QString key(const char *data, int from, int to)
{
    // Most keys need no unescaping.
    bool plain = true;
    for (int i = from; i < to && plain; ++i)
        plain = data[i] != '\\' && data[i] != '%';
    if (plain)
        return QString::fromLatin1(data + from, to - from);
    QString result;
    result.reserve(to - from);
    int i = from;
    while (i < to) {
        const char ch = data[i];
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(ch);
            ++i;
            continue;
        }
        const bool wide = data[i + 1] == 'U';
        const int digitsAt = wide ? i + 2 : i + 1;
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const int code = digitsAt + digits <= to ? QByteArray(data + digitsAt, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(ushort(code & 0xffff));
        i = digitsAt + digits;
    }
    return result;
}

QVariant value(const char *data, int from, int to, QTextCodec *codec)
{
    QString text;
    QStringList list;
    if (unescape(data, from, to, codec, text, list))
        return fromStrings(list);
    return fromString(text);
}

QStringList strings(const QByteArray &raw)
{
    QString text;
    QStringList list;
    if (unescape(raw.constData(), 0, raw.size(), nullptr, text, list))
        return list;
    return { text };
}

} // namespace IniText
