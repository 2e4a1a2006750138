#include "storage/IniKeyNames.h"

#include <QStringList>

#include <cstring>
#include <type_traits>

namespace {

// One code unit of a key below its section.
inline ushort unitAt(const QChar *chars, const char *bytes, int i)
{
    return chars ? chars[i].unicode() : ushort(uchar(bytes[i]));
}

// Mixes a name held as Latin-1 bytes or as UTF-16 code units into h. Four code units go in at
// a time: a chain of one step per unit was a fifth of the time to read a slot file.
template<class Unit> quint64 mixUnits(quint64 h, const Unit *units, int size)
{
    const auto unit = [units](int i) -> quint64 {
        if constexpr (std::is_same_v<Unit, char>)
            return uchar(units[i]);
        else
            return units[i].unicode();
    };
    int i = 0;
    for (; i + 4 <= size; i += 4) {
        const quint64 four = unit(i) | unit(i + 1) << 16 | unit(i + 2) << 32 | unit(i + 3) << 48;
        h = (h ^ four) * 0x100000001B3ull;
        h ^= h >> 29;
    }
    for (; i < size; ++i)
        h = (h ^ unit(i)) * 0x100000001B3ull;
    return h;
}

} // namespace

namespace IniKeyNames {

bool isNormalized(const QString &key)
{
    const QChar *chars = key.constData();
    const int size = key.size();
    if (size == 0)
        return true;
    if (chars[0] == QLatin1Char('/') || chars[size - 1] == QLatin1Char('/'))
        return false;
    for (int i = 1; i < size; ++i) {
        if (chars[i] == QLatin1Char('/') && chars[i - 1] == QLatin1Char('/'))
            return false;
    }
    return true;
}

QString normalized(const QString &key)
{
    if (isNormalized(key))
        return key;
    QString result;
    for (const QString &part : key.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!result.isEmpty())
            result += QLatin1Char('/');
        result += part;
    }
    return result;
}

void split(const QString &fullKey, QString &section, QString &name)
{
    const int slash = fullKey.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        section.clear();
        name = fullKey;
    } else {
        section = fullKey.left(slash);
        name = fullKey.mid(slash + 1);
    }
}

uint hash(int section, const QChar *chars, const char *bytes, int size)
{
    quint64 h = 14695981039346656037ull ^ quint64(uint(section)) * 0x9E3779B97F4A7C15ull;
    h = bytes ? mixUnits(h, bytes, size) : mixUnits(h, chars, size);
    // Mixed down, as the table uses the low bits.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return uint(h);
}

int compare(const QChar *aChars, const char *aBytes, int aSize, const QChar *bChars, const char *bBytes,
            int bSize)
{
    const int common = qMin(aSize, bSize);
    if (aBytes && bBytes) {
        const int c = std::memcmp(aBytes, bBytes, size_t(common));
        if (c != 0)
            return c;
    } else {
        for (int i = 0; i < common; ++i) {
            const ushort a = unitAt(aChars, aBytes, i);
            const ushort b = unitAt(bChars, bBytes, i);
            if (a != b)
                return a < b ? -1 : 1;
        }
    }
    return aSize - bSize;
}

bool isPlain(const char *bytes, int size)
{
    for (int i = 0; i < size; ++i) {
        const char ch = bytes[i];
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
              || ch == '-' || ch == '.'))
            return false;
    }
    return true;
}

} // namespace IniKeyNames
