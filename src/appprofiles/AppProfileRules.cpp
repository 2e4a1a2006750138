#include "appprofiles/AppProfileRules.h"

namespace {

constexpr int SlotCount = 5;

bool isSlot(int slot)
{
    return slot >= 0 && slot < SlotCount;
}

} // namespace

QString AppProfileRules::programName(const QString &program)
{
    QString name = program.trimmed();
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        name = name.mid(slash + 1);
    return name;
}

bool AppProfileRules::isUsableProgram(const QString &name)
{
    if (name.isEmpty() || name.size() > MaxProgramLength || name == QLatin1String(".")
        || name == QLatin1String(".."))
        return false;
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool AppProfileRules::setRule(const QString &program, int slot)
{
    const QString name = programName(program);
    if (!isUsableProgram(name) || !isSlot(slot))
        return false;
    for (AppRule &rule : m_rules) {
        if (rule.program == name) {
            rule.slot = slot;
            return true;
        }
    }
    if (m_rules.size() >= MaxRules)
        return false;
    m_rules.append({ name, slot });
    return true;
}

bool AppProfileRules::removeRule(const QString &program)
{
    const QString name = programName(program);
    for (int i = 0; i < m_rules.size(); ++i) {
        if (m_rules.at(i).program == name) {
            m_rules.remove(i);
            return true;
        }
    }
    return false;
}

bool AppProfileRules::setDefaultSlot(int slot)
{
    if (slot != KeepSlot && !isSlot(slot))
        return false;
    m_defaultSlot = slot;
    return true;
}

const AppRule *AppProfileRules::ruleFor(const ActiveWindow &window) const
{
    // Executable names are file names: exact. Window classes are written as each program likes
    // ("firefox", "Firefox"): any case. A class also serves when the executable has no rule (a
    // program started through a wrapper or an interpreter).
    for (const AppRule &rule : m_rules) {
        if (!window.executable.isEmpty() && rule.program == window.executable)
            return &rule;
    }
    for (const QString &windowClass : window.classes) {
        for (const AppRule &rule : m_rules) {
            if (rule.program.compare(windowClass, Qt::CaseInsensitive) == 0)
                return &rule;
        }
    }
    return nullptr;
}

int AppProfileRules::slotFor(const ActiveWindow &window) const
{
    const AppRule *rule = ruleFor(window);
    return rule ? rule->slot : m_defaultSlot;
}
