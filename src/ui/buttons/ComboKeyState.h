#pragma once

#include "core/settings/ButtonAssignment.h"

#include <QString>

// The combination being captured: how many of each modifier side are held, the other key, and the
// combination as it stood at the last key-down, which is what the dialog shows and yields.
class ComboKeyState
{
public:
    // Left and right key codes of Shift, Ctrl, Win and Alt.
    static constexpr quint8 ModifierCodes[4][2] = { { 42, 54 }, { 29, 238 }, { 91, 92 }, { 56, 239 } };

    // One key event; repeats of the previous event are ignored, and the first event clears the counts.
    void keyEvent(quint8 keyCode, bool pressed, bool extended);
    // Rebuilds the state from a record's combination (modifiers count as their left side).
    void preset(const ComboKeys &keys);

    // Capture starts anew: the next event clears the held counts (the committed value stays until then).
    void restart();
    // True when the committed combination has a key besides its modifiers.
    bool hasKey() const { return m_committedCounts[4] != 0; }

    // The committed combination, in the order Shift, Ctrl, Win, Alt (by their left code), other key.
    ComboKeys keys() const;
    // The committed combination as names joined by " + ".
    QString displayText() const;
    // iComboKey: the counts of Shift, Ctrl, Win, Alt and the other-key flag, as committed.
    const quint8 *comboKey() const { return m_committedCounts; }
    // iHotKeyCode: left and right code of each modifier, then {other key, 0}.
    quint8 hotKeyCode(int index, int side) const;

private:
    void commit();

    quint8 m_counts[5] = {}; // held counts; [4] is the other-key flag
    quint8 m_key = 0;
    quint8 m_committedCounts[5] = {};
    quint8 m_committedKey = 0;
    bool m_seenEvent = false;
    int m_lastCode = -1;
    bool m_lastPressed = false;
    bool m_lastExtended = false;
};
