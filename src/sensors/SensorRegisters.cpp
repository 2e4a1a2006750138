#include "sensors/SensorRegisters.h"

#include <iterator>

namespace {

const quint8 TableA[] = {
    0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  12,  13,  14,  16,  17,  18,  19,  20,  22,  23,
    24,  25,  26,  27,  29,  30,  31,  32,  33,  35,  37,  38,  39,  40,  41,  42,  44,  45,  46,  47,
    48,  50,  51,  52,  53,  54,  56,  57,  58,  59,  60,  62,  63,  64,  65,  66,  68,  69,  70,  71,
    72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,  86,  87,  88,  89,  90,  92,  93,  94,  95,
    96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119,
    120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143,
    144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159, 160, 161, 162, 164, 165, 166, 167,
    168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 188,
};

const quint8 TableB[] = {
    2,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41, 43,  46,  48,  50,  52,  55,  57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115,
};

const quint8 TableC[] = {
    4,  6,   9,   11,  13,  15,  18,  20,  22,  24,  27,  29,  31,  33,  36,  38,  40,  43,  45,  47, 49,
    52, 54,  56,  58,  61,  63,  65,  67,  70,  72,  74,  77,  79,  81,  83,  86,  88,  90,  92,  95, 97,
    99, 102, 104, 106, 108, 111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140,
};

const quint8 TableD[] = {
    4,   6,   9,   11,  14,  16,  18,  21,  23,  25,  27,  29,  32,  34,  36,  39,  41,  43,  46,  48,
    50,  52,  55,  57,  59,  62,  64,  66,  69,  72,  74,  77,  78,  81,  84,  85,  88,  91,  93,  95,
    98,  100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142,
    145, 147, 149, 151, 154, 156, 158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187,
};

static_assert(std::size(TableA) == 160, "table A covers positions 1..160");
static_assert(std::size(TableB) == 50, "table B covers positions 1..50");
static_assert(std::size(TableC) == 61, "table C covers positions 1..61");
static_assert(std::size(TableD) == 79, "table D covers positions 2..80");

template<size_t N> quint8 lookup(const quint8 (&table)[N], qint64 firstIndex, qint64 index)
{
    const qint64 offset = qBound<qint64>(0, index - firstIndex, qint64(N) - 1);
    return table[offset];
}

} // namespace

quint8 RegisterA(qint64 index)
{
    return lookup(TableA, 1, index);
}
quint8 RegisterB(qint64 index)
{
    return lookup(TableB, 1, index);
}
quint8 RegisterC(qint64 index)
{
    return lookup(TableC, 1, index);
}
quint8 RegisterD(qint64 index)
{
    return lookup(TableD, 2, index);
}
