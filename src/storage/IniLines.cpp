#include "storage/IniLines.h"

#include <QtGlobal>

#include <initializer_list>

namespace {

enum CharTrait { Blank = 1, Special = 2 };

// Blank: '\t', '\n', '\r', ' '. Special: '\n', '\r', '"', ';', '=', '\\'.
struct CharTraits
{
    unsigned char traits[256] = {};
    CharTraits()
    {
        for (unsigned char ch : { '\t', '\n', '\r', ' ' })
            traits[ch] |= Blank;
        for (unsigned char ch : { '\n', '\r', '"', ';', '=', '\\' })
            traits[ch] |= Special;
    }
};

const CharTraits charTraits;

bool has(char ch, CharTrait trait)
{
    return charTraits.traits[uchar(ch)] & trait;
}

} // namespace

bool NextIniLine(const char *data, int end, int &pos, IniLine &line)
{
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < end && has(data[line.start], Blank))
        ++line.start;
    int i = line.start;
    while (i < end) {
        char ch = data[i];
        while (!has(ch, Special)) {
            if (++i == end)
                goto done;
            ch = data[i];
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < end) {
                const char escaped = data[i++];
                if (i < end) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == line.start + 1) {
                while (i < end && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < end && has(data[i], Blank))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}
