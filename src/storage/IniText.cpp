#include "storage/IniText.h"

#include <QDataStream>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>

namespace {

const char upperHex[] = "0123456789ABCDEF";

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

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

// One string of a value: C-style escapes, quotes around anything holding ';', ',' or '=' or starting
// or ending with a space.
void appendString(const QString &text, QByteArray &out, QTextCodec *codec)
{
    const bool useCodec = codec && !text.startsWith(QLatin1String("@ByteArray("))
        && !text.startsWith(QLatin1String("@Variant("));
    const int start = out.size();
    bool needsQuotes = false;
    // After a numeric escape a following hex digit would be read as part of it.
    bool escapeHexDigit = false;
    const QChar *chars = text.unicode();
    for (int i = 0; i < text.size(); ++i) {
        const uint ch = chars[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeHexDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !useCodec)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeHexDigit = true;
            } else if (useCodec) {
                out += codec->fromUnicode(&chars[i], 1);
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QString asString(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString text = value.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        return text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        const bool dateTime = value.userType() == QMetaType::QDateTime;
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << value;
        }
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes.constData(), bytes.size())
            + QLatin1Char(')');
    }
    }
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
                        if (isHexDigit(uchar(data[i]))) {
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

void appendKey(const QString &key, QByteArray &out)
{
    for (const QChar c : key) {
        uint ch = c.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += upperHex[ch / 16];
            out += upperHex[ch % 16];
        } else {
            out += "%U";
            char digits[4];
            for (int i = 3; i >= 0; --i, ch >>= 4)
                digits[i] = upperHex[ch % 16];
            out.append(digits, 4);
        }
    }
}

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

void appendValue(const QVariant &value, QByteArray &out, QTextCodec *codec)
{
    const int type = value.userType();
    // One string in a list is written as that string; QString itself converts to no list at all.
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        const QVariantList items = value.toList();
        if (items.isEmpty()) {
            out += "@Invalid()";
            return;
        }
        for (int i = 0; i < items.size(); ++i) {
            if (i != 0)
                out += ", ";
            appendString(asString(items.at(i)), out, codec);
        }
        return;
    }
    appendString(asString(value), out, codec);
}

QVariant value(const char *data, int from, int to, QTextCodec *codec)
{
    QString text;
    QStringList list;
    if (unescape(data, from, to, codec, text, list))
        return fromStrings(list);
    return fromString(text);
}

} // namespace IniText
