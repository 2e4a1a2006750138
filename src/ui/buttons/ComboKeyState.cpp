#include "ui/buttons/ComboKeyState.h"

#include "platform/LogCategories.h"
#include "storage/KeyTable.h"
#include "ui/widgets/ShownKeyNames.h"

#include <QStringList>

constexpr quint8 ComboKeyState::ModifierCodes[4][2];

void ComboKeyState::keyEvent(quint8 keyCode, bool pressed, bool extended)
{
    if (m_lastCode == keyCode && m_lastPressed == pressed && m_lastExtended == extended)
        return;
    m_lastCode = keyCode;
    m_lastPressed = pressed;
    m_lastExtended = extended;
    qCDebug(lcUi, "TarnComboKeyWindow dwVCode = %x dwFlag = %x", keyCode,
            (extended ? 1 : 0) | (pressed ? 0 : 0x80));
    if (!m_seenEvent) {
        m_seenEvent = true;
        std::fill(std::begin(m_counts), std::end(m_counts), 0);
        m_key = 0;
    }
    for (int m = 0; m < 4; ++m) {
        for (int side = 0; side < 2; ++side) {
            if (ModifierCodes[m][side] != keyCode)
                continue;
            const int step = side + 1;
            // Counts stay within 0..3 however the events come (a release seen without its press).
            if (pressed)
                m_counts[m] = quint8(m_counts[m] | step);
            else
                m_counts[m] = quint8(m_counts[m] & ~step);
            if (pressed)
                commit();
            return;
        }
    }
    if (pressed) {
        m_counts[4] = 1;
        m_key = keyCode;
        commit();
    } else if (keyCode == m_key) {
        m_counts[4] = 0;
    }
}

void ComboKeyState::preset(const ComboKeys &keys)
{
    std::fill(std::begin(m_counts), std::end(m_counts), 0);
    m_key = 0;
    for (quint8 code : keys) {
        bool modifier = false;
        for (int m = 0; m < 4; ++m) {
            if (code == ModifierCodes[m][0] || code == ModifierCodes[m][1]) {
                m_counts[m] = 1;
                modifier = true;
            }
        }
        if (!modifier) {
            m_counts[4] = 1;
            m_key = code;
        }
    }
    commit();
    std::fill(std::begin(m_counts), std::end(m_counts), 0);
}

void ComboKeyState::restart()
{
    m_seenEvent = false;
    m_lastCode = -1;
}

void ComboKeyState::commit()
{
    std::copy(std::begin(m_counts), std::end(m_counts), m_committedCounts);
    m_committedKey = m_counts[4] ? m_key : 0;
}

ComboKeys ComboKeyState::keys() const
{
    ComboKeys keys;
    for (int m = 0; m < 4; ++m) {
        if (m_committedCounts[m])
            keys << ModifierCodes[m][0];
    }
    if (m_committedCounts[4])
        keys << m_committedKey;
    return keys;
}

QString ComboKeyState::displayText() const
{
    QStringList names;
    for (int m = 0; m < 4; ++m) {
        if (m_committedCounts[m])
            names << ShownKeyName(ModifierCodes[m][m_committedCounts[m] > 2 ? 1 : 0]);
    }
    if (m_committedCounts[4])
        names << ShownKeyName(m_committedKey);
    return names.join(QStringLiteral(" + "));
}

quint8 ComboKeyState::hotKeyCode(int index, int side) const
{
    if (index < 4)
        return ModifierCodes[index][side];
    return side == 0 ? m_committedKey : 0;
}
