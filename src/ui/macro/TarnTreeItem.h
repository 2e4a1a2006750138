#pragma once

#include "storage/MacroEvents.h"

#include <QTreeWidgetItem>

// One row of the mouse action tree: a mouse button (a full click), its press or release, or a move.
class TarnTreeItem : public QTreeWidgetItem
{
public:
    enum Action { Click, Press, Release, Move };

    // A button row (Click) or one of its children (Press, Release).
    TarnTreeItem(Action action, MacroEvents::Button button);
    // A move row.
    explicit TarnTreeItem(MacroEvents::Direction direction);

    // What the row inserts.
    Action action() const { return m_action; }
    // The button of a button row or child.
    MacroEvents::Button button() const { return m_button; }
    // The direction of a move row.
    MacroEvents::Direction direction() const { return m_direction; }
    // Sets the row's text again through the translator.
    void retranslate();

private:
    Action m_action;
    MacroEvents::Button m_button = MacroEvents::LeftButton;
    MacroEvents::Direction m_direction = MacroEvents::MoveLeft;
};
