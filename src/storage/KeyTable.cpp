#include "storage/KeyTable.h"


namespace {

struct KeyEntry
{
    int code;
    const char *us; // UTF-8
    const char *french; // UTF-8; null = the US name
    int usage; // 0 = no keyboard usage
};

const KeyEntry keyTable[] = {
    { 1, "Esc", "Echap", 0x29 },
    { 2, "1", "&", 0x1E },
    { 3, "2", "é", 0x1F },
    { 4, "3", "\"", 0x20 },
    { 5, "4", "'", 0x21 },
    { 6, "5", "(", 0x22 },
    { 7, "6", "-", 0x23 },
    { 8, "7", "è", 0x24 },
    { 9, "8", "_", 0x25 },
    { 10, "9", "ç", 0x26 },
    { 11, "0", "à", 0x27 },
    { 12, "-", ")", 0x2D },
    { 13, "=", nullptr, 0x2E },
    { 14, "Backspace", "Ret.arr", 0x2A },
    { 15, "Tab", nullptr, 0x2B },
    { 16, "Q", "a", 0x14 },
    { 17, "W", "z", 0x1A },
    { 18, "E", "e", 0x08 },
    { 19, "R", "r", 0x15 },
    { 20, "T", "t", 0x17 },
    { 21, "Y", "y", 0x1C },
    { 22, "U", "u", 0x18 },
    { 23, "I", "i", 0x0C },
    { 24, "O", "o", 0x12 },
    { 25, "P", "p", 0x13 },
    { 26, "[", "^", 0x2F },
    { 27, "]", "$", 0x30 },
    { 28, "Enter", "Entree", 0x28 },
    { 29, "LCtr", "LCtrl", 0xE0 },
    { 30, "A", "q", 0x04 },
    { 31, "S", "s", 0x16 },
    { 32, "D", "d", 0x07 },
    { 33, "F", "f", 0x09 },
    { 34, "G", "g", 0x0A },
    { 35, "H", "h", 0x0B },
    { 36, "J", "j", 0x0D },
    { 37, "K", "k", 0x0E },
    { 38, "L", "l", 0x0F },
    { 39, ";", "m", 0x33 },
    { 40, "'", "ù", 0x34 },
    { 41, "`", "²", 0x35 },
    { 42, "LShift", nullptr, 0xE1 },
    { 43, "\\", "*", 0x31 },
    { 44, "Z", "w", 0x1D },
    { 45, "X", "x", 0x1B },
    { 46, "C", "c", 0x06 },
    { 47, "V", "v", 0x19 },
    { 48, "B", "b", 0x05 },
    { 49, "N", "n", 0x11 },
    { 50, "M", ",", 0x10 },
    { 51, ",", ";", 0x36 },
    { 52, ".", ":", 0x37 },
    { 53, "/", "!", 0x38 },
    { 54, "RShift", nullptr, 0xE5 },
    { 55, "Print Screen", nullptr, 0x46 },
    { 56, "LAlt", nullptr, 0xE2 },
    { 57, "Space", "espace", 0x2C },
    { 58, "CapsLock", "Verr.maj", 0x39 },
    { 59, "F1", nullptr, 0x3A },
    { 60, "F2", nullptr, 0x3B },
    { 61, "F3", nullptr, 0x3C },
    { 62, "F4", nullptr, 0x3D },
    { 63, "F5", nullptr, 0x3E },
    { 64, "F6", nullptr, 0x3F },
    { 65, "F7", nullptr, 0x40 },
    { 66, "F8", nullptr, 0x41 },
    { 67, "F9", nullptr, 0x42 },
    { 68, "F10", nullptr, 0x43 },
    { 69, "Pause Break", nullptr, 0x48 },
    { 70, "Scroll Lock", nullptr, 0x47 },
    { 71, "Home", nullptr, 0x4A },
    { 72, "Up", nullptr, 0x52 },
    { 73, "Page Up", nullptr, 0x4B },
    { 74, "Num -", nullptr, 0x56 },
    { 75, "Left", nullptr, 0x50 },
    { 76, "Num 5", nullptr, 0x5D },
    { 77, "Right", nullptr, 0x4F },
    { 78, "Num +", nullptr, 0x57 },
    { 79, "End", nullptr, 0x4D },
    { 80, "Down", nullptr, 0x51 },
    { 81, "Page Down", nullptr, 0x4E },
    { 82, "Insert", nullptr, 0x49 },
    { 83, "Delete", nullptr, 0x4C },
    { 87, "F11", nullptr, 0x44 },
    { 88, "F12", nullptr, 0x45 },
    { 91, "LWindows", nullptr, 0xE3 },
    { 92, "RWindows", nullptr, 0xE7 },
    { 93, "App", nullptr, 0x65 },
    { 224, "Num De", "Num Del", 0x63 },
    { 225, "Num Lock", nullptr, 0x53 },
    { 226, "Num /", nullptr, 0x54 },
    { 227, "Num *", nullptr, 0x55 },
    { 228, "Num 9", nullptr, 0x61 },
    { 229, "Num Enter", nullptr, 0x58 },
    { 230, "Num 1", nullptr, 0x59 },
    { 231, "Num 2", nullptr, 0x5A },
    { 232, "Num 3", nullptr, 0x5B },
    { 233, "Num 4", nullptr, 0x5C },
    { 234, "Num 6", nullptr, 0x5E },
    { 235, "Num 7", nullptr, 0x5F },
    { 236, "Num 8", nullptr, 0x60 },
    { 237, "Num 0", nullptr, 0x62 },
    { 238, "RCtr", "RCtrl", 0xE4 },
    { 239, "RAlt", nullptr, 0xE6 },
    { 240, "Left Button", nullptr, 0 },
    { 241, "Right Button", nullptr, 0 },
    { 242, "Middle Button", nullptr, 0 },
};

const KeyEntry *entryForCode(int code)
{
    for (const KeyEntry &entry : keyTable) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace

QString KeyName(int code, KeyLayout layout)
{
    const KeyEntry *entry = entryForCode(code);
    if (!entry)
        return QString();
    const bool french = layout == KeyLayout::French && entry->french;
    return QString::fromUtf8(french ? entry->french : entry->us);
}

bool KeyCodeToUsage(int code, quint8 &usage)
{
    const KeyEntry *entry = entryForCode(code);
    if (!entry || entry->usage == 0)
        return false;
    usage = quint8(entry->usage);
    return true;
}

bool UsageToKeyCode(int usage, quint8 &code)
{
    if (usage <= 0)
        return false;
    for (const KeyEntry &entry : keyTable) {
        if (entry.usage == usage) {
            code = quint8(entry.code);
            return true;
        }
    }
    return false;
}
