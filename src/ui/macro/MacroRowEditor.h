#pragma once

#include "storage/ConfigData.h"

#include <QVector>

class MacroEventModel;

// The editing operations on the rows of a macro around its current row (-1: none). Every operation
// takes the current row and updates it to the row that should be selected afterwards. No operation
// makes a macro longer than the events a button holds.
class MacroRowEditor
{
public:
    // Rows a macro may hold: the events of one button.
    static constexpr int MaxRows = KeyInfoSlots;

    // Edits `model`; delays are counted in units of `unit` milliseconds.
    MacroRowEditor(MacroEventModel *model, int unit);

    // Removes the current row; the row now at its index (or the new last row) becomes current.
    void deleteCurrent(int &current);
    // Moves the current row to the first index.
    void moveToTop(int &current);
    // Moves the current row to the last index.
    void moveToBottom(int &current);
    // Moves the current row one up.
    void moveUp(int &current);
    // Moves the current row one down.
    void moveDown(int &current);
    // Removes every row.
    void clear(int &current);

    // Inserts `events` after the current row (at the end with none) and makes the last of them
    // current; false, nothing inserted, when the macro would grow beyond MaxRows.
    bool insertAfter(int &current, const QVector<MacroEvent> &events);
    // Inserts a delay of `milliseconds` (at least one unit) after the current row.
    bool insertDelay(int &current, int milliseconds);
    // The delay that follows an inserted mouse event in `delayMode` (none in mode 0).
    QVector<MacroEvent> delayAfterMouseEvent(int delayMode, int defaultDelayMs) const;

    // Copies the rows `rows` (any order) to the clipboard shared by every macro.
    void copy(const QList<int> &rows);
    // Copies the rows `rows` and removes them; the row after the first removed one becomes current.
    void cut(const QList<int> &rows, int &current);
    // Inserts the clipboard after the current row; false when it is empty or would not fit.
    bool paste(int &current);
    // The events on the clipboard.
    static QVector<MacroEvent> clipboard();
    // Empties the clipboard.
    static void clearClipboard();

private:
    bool moveTo(int &current, int target);
    QList<int> validRows(QList<int> rows) const;

    MacroEventModel *m_model;
    int m_unit;
};
