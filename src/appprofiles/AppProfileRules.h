#pragma once

#include "appprofiles/ActiveWindow.h"

#include <QString>
#include <QVector>

// One rule: the program and the slot (0..4) it selects.
struct AppRule
{
    QString program; // executable base name, or a window class when the process is unknown
    int slot = 0;
};

// The rules of automatic slot switching: which slot each program selects, the slot of every other
// program, and whether switching is on.
class AppProfileRules
{
public:
    // Default slot meaning "leave the slot as it is".
    static constexpr int KeepSlot = -1;
    // Rules beyond this count are not read (a file is not allowed to make the program loop without end).
    static constexpr int MaxRules = 256;
    // Longest program name accepted.
    static constexpr int MaxProgramLength = 255;

    // The rules in the order they were added.
    const QVector<AppRule> &rules() const { return m_rules; }
    // Adds a rule, or changes the slot of the program's rule; false for an unusable name or slot,
    // or when the list is full.
    bool setRule(const QString &program, int slot);
    // Removes the program's rule; false when there was none.
    bool removeRule(const QString &program);
    // The slot for programs without a rule, or KeepSlot.
    int defaultSlot() const { return m_defaultSlot; }
    // Sets the slot for programs without a rule (KeepSlot or 0..4); false when out of range.
    bool setDefaultSlot(int slot);
    // True unless the user turned switching off.
    bool switchingWanted() const { return !m_off; }
    // Turns switching on or off.
    void setSwitchingWanted(bool on) { m_off = !on; }
    // True when switching runs: wanted, and at least one rule exists.
    bool switchingActive() const { return !m_off && !m_rules.isEmpty(); }

    // The slot the window calls for: its program's rule, else the default (possibly KeepSlot).
    int slotFor(const ActiveWindow &window) const;
    // The rule matching the window, or null: its executable name first, then its window classes.
    const AppRule *ruleFor(const ActiveWindow &window) const;

    // The name a rule stores for `program`: the base name of a path, trimmed.
    static QString programName(const QString &program);
    // True when `name` can name a program in a rule: not empty, not too long, no "/" nor control characters.
    static bool isUsableProgram(const QString &name);

private:
    QVector<AppRule> m_rules;
    int m_defaultSlot = KeepSlot;
    bool m_off = false;
};
