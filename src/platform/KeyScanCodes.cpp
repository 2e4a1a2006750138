#include "platform/KeyScanCodes.h"

#include <Qt>

#include <linux/input-event-codes.h>

namespace {

struct ExtraKey
{
    int linuxKey;
    quint16 makeCode;
    bool extended;
};

// Keys past the main block, whose Linux codes no longer follow the set-1 numbering. Num Lock and
// Pause share make code 69 and differ by the flag, as Print Screen and keypad * share 55.
const ExtraKey extraKeys[] = {
    { KEY_NUMLOCK, 69, true },
    { KEY_102ND, 0x56, false },
    { KEY_F11, 0x57, false },
    { KEY_F12, 0x58, false },
    { KEY_RO, 0x73, false },
    { KEY_HENKAN, 0x79, false },
    { KEY_KATAKANAHIRAGANA, 0x70, false },
    { KEY_MUHENKAN, 0x7B, false },
    { KEY_KPENTER, 28, true },
    { KEY_RIGHTCTRL, 29, true },
    { KEY_KPSLASH, 53, true },
    { KEY_SYSRQ, 55, true },
    { KEY_RIGHTALT, 56, true },
    { KEY_HOME, 71, true },
    { KEY_UP, 72, true },
    { KEY_PAGEUP, 73, true },
    { KEY_LEFT, 75, true },
    { KEY_RIGHT, 77, true },
    { KEY_END, 79, true },
    { KEY_DOWN, 80, true },
    { KEY_PAGEDOWN, 81, true },
    { KEY_INSERT, 82, true },
    { KEY_DELETE, 83, true },
    { KEY_MUTE, 0x20, true },
    { KEY_VOLUMEDOWN, 0x2E, true },
    { KEY_VOLUMEUP, 0x30, true },
    { KEY_POWER, 0x5E, true },
    { KEY_KPEQUAL, 0x59, false },
    { KEY_PAUSE, 69, false },
    { KEY_KPCOMMA, 0x7E, false },
    { KEY_YEN, 0x7D, false },
    { KEY_LEFTMETA, 91, true },
    { KEY_RIGHTMETA, 92, true },
    { KEY_COMPOSE, 93, true },
    { KEY_STOP, 0x68, true },
    { KEY_CALC, 0x21, true },
    { KEY_SLEEP, 0x5F, true },
    { KEY_WAKEUP, 0x63, true },
    { KEY_MAIL, 0x6C, true },
    { KEY_BOOKMARKS, 0x66, true },
    { KEY_COMPUTER, 0x6B, true },
    { KEY_BACK, 0x6A, true },
    { KEY_FORWARD, 0x69, true },
    { KEY_NEXTSONG, 0x19, true },
    { KEY_PLAYPAUSE, 0x22, true },
    { KEY_PREVIOUSSONG, 0x10, true },
    { KEY_STOPCD, 0x24, true },
    { KEY_HOMEPAGE, 0x32, true },
    { KEY_REFRESH, 0x67, true },
    { KEY_F13, 0x64, false },
    { KEY_F14, 0x65, false },
    { KEY_F15, 0x66, false },
    { KEY_F16, 0x67, false },
    { KEY_F17, 0x68, false },
    { KEY_F18, 0x69, false },
    { KEY_F19, 0x6A, false },
    { KEY_F20, 0x6B, false },
    { KEY_F21, 0x6C, false },
    { KEY_F22, 0x6D, false },
    { KEY_F23, 0x6E, false },
    { KEY_F24, 0x76, false },
    { KEY_SEARCH, 0x65, true },
    { KEY_MEDIA, 0x6D, true },
};

struct SharedCode
{
    quint16 makeCode;
    bool extended;
    int keyCode;
};

// The keys that share a make code with another key get codes of their own.
const SharedCode sharedCodes[] = {
    { 83, false, 224 }, { 69, true, 225 },  { 53, true, 226 },  { 55, false, 227 },
    { 73, false, 228 }, { 28, true, 229 },  { 79, false, 230 }, { 80, false, 231 },
    { 81, false, 232 }, { 75, false, 233 }, { 77, false, 234 }, { 71, false, 235 },
    { 72, false, 236 }, { 82, false, 237 }, { 29, true, 238 },  { 56, true, 239 },
};

struct QtKey
{
    int qtKey;
    int linuxKey;
};

const QtKey mainBlockKeys[] = {
    { Qt::Key_Escape, KEY_ESC },
    { Qt::Key_Minus, KEY_MINUS },
    { Qt::Key_Equal, KEY_EQUAL },
    { Qt::Key_Backspace, KEY_BACKSPACE },
    { Qt::Key_Tab, KEY_TAB },
    { Qt::Key_Backtab, KEY_TAB },
    { Qt::Key_BracketLeft, KEY_LEFTBRACE },
    { Qt::Key_BracketRight, KEY_RIGHTBRACE },
    { Qt::Key_Return, KEY_ENTER },
    { Qt::Key_Control, KEY_LEFTCTRL },
    { Qt::Key_Semicolon, KEY_SEMICOLON },
    { Qt::Key_Apostrophe, KEY_APOSTROPHE },
    { Qt::Key_QuoteLeft, KEY_GRAVE },
    { Qt::Key_Shift, KEY_LEFTSHIFT },
    { Qt::Key_Backslash, KEY_BACKSLASH },
    { Qt::Key_Comma, KEY_COMMA },
    { Qt::Key_Period, KEY_DOT },
    { Qt::Key_Slash, KEY_SLASH },
    { Qt::Key_Alt, KEY_LEFTALT },
    { Qt::Key_AltGr, KEY_RIGHTALT },
    { Qt::Key_Space, KEY_SPACE },
    { Qt::Key_CapsLock, KEY_CAPSLOCK },
    { Qt::Key_NumLock, KEY_NUMLOCK },
    { Qt::Key_ScrollLock, KEY_SCROLLLOCK },
    { Qt::Key_F11, KEY_F11 },
    { Qt::Key_F12, KEY_F12 },
    { Qt::Key_Enter, KEY_KPENTER },
    { Qt::Key_Print, KEY_SYSRQ },
    { Qt::Key_Pause, KEY_PAUSE },
    { Qt::Key_Home, KEY_HOME },
    { Qt::Key_Up, KEY_UP },
    { Qt::Key_PageUp, KEY_PAGEUP },
    { Qt::Key_Left, KEY_LEFT },
    { Qt::Key_Right, KEY_RIGHT },
    { Qt::Key_End, KEY_END },
    { Qt::Key_Down, KEY_DOWN },
    { Qt::Key_PageDown, KEY_PAGEDOWN },
    { Qt::Key_Insert, KEY_INSERT },
    { Qt::Key_Delete, KEY_DELETE },
    { Qt::Key_Meta, KEY_LEFTMETA },
    { Qt::Key_Super_L, KEY_LEFTMETA },
    { Qt::Key_Super_R, KEY_RIGHTMETA },
    { Qt::Key_Menu, KEY_COMPOSE },
    { Qt::Key_VolumeMute, KEY_MUTE },
    { Qt::Key_VolumeDown, KEY_VOLUMEDOWN },
    { Qt::Key_VolumeUp, KEY_VOLUMEUP },
    { Qt::Key_MediaPlay, KEY_PLAYPAUSE },
    { Qt::Key_MediaTogglePlayPause, KEY_PLAYPAUSE },
    { Qt::Key_MediaStop, KEY_STOPCD },
    { Qt::Key_MediaNext, KEY_NEXTSONG },
    { Qt::Key_MediaPrevious, KEY_PREVIOUSSONG },
};

// With the keypad flag, the keypad keys under either Num Lock state.
const QtKey keypadKeys[] = {
    { Qt::Key_7, KEY_KP7 },         { Qt::Key_Home, KEY_KP7 },
    { Qt::Key_8, KEY_KP8 },         { Qt::Key_Up, KEY_KP8 },
    { Qt::Key_9, KEY_KP9 },         { Qt::Key_PageUp, KEY_KP9 },
    { Qt::Key_Minus, KEY_KPMINUS }, { Qt::Key_4, KEY_KP4 },
    { Qt::Key_Left, KEY_KP4 },      { Qt::Key_5, KEY_KP5 },
    { Qt::Key_Clear, KEY_KP5 },     { Qt::Key_6, KEY_KP6 },
    { Qt::Key_Right, KEY_KP6 },     { Qt::Key_Plus, KEY_KPPLUS },
    { Qt::Key_1, KEY_KP1 },         { Qt::Key_End, KEY_KP1 },
    { Qt::Key_2, KEY_KP2 },         { Qt::Key_Down, KEY_KP2 },
    { Qt::Key_3, KEY_KP3 },         { Qt::Key_PageDown, KEY_KP3 },
    { Qt::Key_0, KEY_KP0 },         { Qt::Key_Insert, KEY_KP0 },
    { Qt::Key_Period, KEY_KPDOT },  { Qt::Key_Comma, KEY_KPDOT },
    { Qt::Key_Delete, KEY_KPDOT },  { Qt::Key_Asterisk, KEY_KPASTERISK },
    { Qt::Key_Slash, KEY_KPSLASH }, { Qt::Key_Enter, KEY_KPENTER },
    { Qt::Key_Equal, KEY_KPEQUAL },
};

// Linux codes of the letter keys A..Z in the US layout.
const int letterKeys[26]
    = { KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
        KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z };

} // namespace

bool LinuxKeyToMakeCode(int linuxKey, quint16 &makeCode, bool &extended)
{
    // Escape to keypad . (1..83) carry their set-1 make code, except Num Lock, which is extended.
    if (linuxKey >= KEY_ESC && linuxKey <= KEY_KPDOT && linuxKey != KEY_NUMLOCK) {
        makeCode = quint16(linuxKey);
        extended = false;
        return true;
    }
    for (const ExtraKey &key : extraKeys) {
        if (key.linuxKey == linuxKey) {
            makeCode = key.makeCode;
            extended = key.extended;
            return true;
        }
    }
    return false;
}

int QtKeyToLinuxKey(int qtKey, bool keypad)
{
    if (keypad) {
        for (const QtKey &key : keypadKeys) {
            if (key.qtKey == qtKey)
                return key.linuxKey;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return letterKeys[qtKey - Qt::Key_A];
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9)
        return KEY_1 + (qtKey - Qt::Key_1);
    if (qtKey == Qt::Key_0)
        return KEY_0;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10)
        return KEY_F1 + (qtKey - Qt::Key_F1);
    for (const QtKey &key : mainBlockKeys) {
        if (key.qtKey == qtKey)
            return key.linuxKey;
    }
    return 0;
}

int CaptureKeyCode(quint16 makeCode, bool extended)
{
    for (const SharedCode &shared : sharedCodes) {
        if (shared.makeCode == makeCode && shared.extended == extended)
            return shared.keyCode;
    }
    return makeCode;
}
