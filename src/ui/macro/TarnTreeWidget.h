#pragma once

#include "storage/MacroEvents.h"

#include <QTreeWidget>

class QLineEdit;
class TarnTreeItem;

// The mouse action tree: five buttons, each with "PRESS DOWN" and "BOUNCE UP", and four moves with
// their distance (1 to 120). A click on a closed button opens it (closing the others); a click on an
// open button, a child or a move asks for its events. Space and Return act like a click.
class TarnTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    // The tree with all its rows.
    explicit TarnTreeWidget(QWidget *parent = nullptr);

    // The distance typed in the row of `direction`, cut to 1..120.
    int distance(MacroEvents::Direction direction) const;
    // The distance field of `direction`.
    QLineEdit *distanceEdit(MacroEvents::Direction direction) const { return m_distance[direction]; }
    // The button row of `button`.
    TarnTreeItem *buttonItem(MacroEvents::Button button) const { return m_buttons[button]; }
    // The move row of `direction`.
    TarnTreeItem *moveItem(MacroEvents::Direction direction) const { return m_moves[direction]; }
    // Sets the header and row texts again through the translator.
    void retranslate();
    // Sizes columns, fields and fonts for the current scale.
    void relayout();

public slots:
    // Opens a closed button row, or asks for the events of the row.
    void itemClickedSlot(QTreeWidgetItem *item);

signals:
    // The user chose `item`: its events should be inserted.
    void actionChosen(TarnTreeItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    TarnTreeItem *m_buttons[MacroEvents::ButtonCount] = {};
    TarnTreeItem *m_moves[MacroEvents::DirectionCount] = {};
    QLineEdit *m_distance[MacroEvents::DirectionCount] = {};
};
