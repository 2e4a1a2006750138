#include "ui/macro/MacroRowEditor.h"

#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"

#include <algorithm>

namespace {

// One clipboard for every macro of the session, so rows can be carried from one macro to another.
QVector<MacroEvent> &sharedClipboard()
{
    static QVector<MacroEvent> events;
    return events;
}

} // namespace

MacroRowEditor::MacroRowEditor(MacroEventModel *model, int unit)
    : m_model(model)
    , m_unit(qMax(1, unit))
{ }

void MacroRowEditor::deleteCurrent(int &current)
{
    if (current < 0 || current >= m_model->rowCount())
        return;
    m_model->removeEvents(current);
    current = m_model->rowCount() == 0 ? -1 : qMin(current, m_model->rowCount() - 1);
}

void MacroRowEditor::moveToTop(int &current)
{
    moveTo(current, 0);
}

void MacroRowEditor::moveToBottom(int &current)
{
    moveTo(current, m_model->rowCount() - 1);
}

void MacroRowEditor::moveUp(int &current)
{
    moveTo(current, current - 1);
}

void MacroRowEditor::moveDown(int &current)
{
    moveTo(current, current + 1);
}

bool MacroRowEditor::moveTo(int &current, int target)
{
    if (current < 0 || current == target || !m_model->moveEvent(current, target))
        return false;
    current = target;
    return true;
}

void MacroRowEditor::clear(int &current)
{
    m_model->clear();
    current = -1;
}

bool MacroRowEditor::insertAfter(int &current, const QVector<MacroEvent> &events)
{
    if (events.isEmpty() || m_model->rowCount() + events.size() > MaxRows)
        return false;
    const int row = current >= 0 && current < m_model->rowCount() ? current + 1 : m_model->rowCount();
    m_model->insertEvents(row, events);
    current = row + events.size() - 1;
    return true;
}

bool MacroRowEditor::insertDelay(int &current, int milliseconds)
{
    return insertAfter(current, { MacroEvents::delay(qMax(1, milliseconds / m_unit)) });
}

QVector<MacroEvent> MacroRowEditor::delayAfterMouseEvent(int delayMode, int defaultDelayMs) const
{
    if (delayMode == 1)
        return { MacroEvents::delay(qMax(1, 10 / m_unit)) };
    if (delayMode == 2)
        return { MacroEvents::delay(qMax(1, defaultDelayMs / m_unit)) };
    return {};
}

QList<int> MacroRowEditor::validRows(QList<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int row) { return row < 0 || row >= m_model->rowCount(); }),
               rows.end());
    return rows;
}

void MacroRowEditor::copy(const QList<int> &rows)
{
    const QList<int> valid = validRows(rows);
    if (valid.isEmpty())
        return;
    QVector<MacroEvent> &clip = sharedClipboard();
    clip.clear();
    for (int row : valid)
        clip.append(m_model->event(row));
}

void MacroRowEditor::cut(const QList<int> &rows, int &current)
{
    const QList<int> valid = validRows(rows);
    if (valid.isEmpty())
        return;
    copy(valid);
    for (int i = valid.size() - 1; i >= 0; --i)
        m_model->removeEvents(valid.at(i));
    current = m_model->rowCount() == 0 ? -1 : qMin(valid.first(), m_model->rowCount() - 1);
}

bool MacroRowEditor::paste(int &current)
{
    return insertAfter(current, sharedClipboard());
}

QVector<MacroEvent> MacroRowEditor::clipboard()
{
    return sharedClipboard();
}

void MacroRowEditor::clearClipboard()
{
    sharedClipboard().clear();
}
