#pragma once

#include <QWidget>

class TarnPushButton;

// The buttons that change the event rows, and "GUN SET".
class MacroEventButtons : public QWidget
{
    Q_OBJECT
public:
    // The buttons, in the order they are laid out.
    enum Action {
        RecordAfter,
        Delete,
        MoveUp,
        MoveDown,
        Top,
        Bottom,
        Clear,
        Edit,
        Copy,
        Cut,
        Paste,
        InsertDelay,
        GunSet,
        ActionCount
    };

    // All buttons.
    explicit MacroEventButtons(QWidget *parent = nullptr);

    // The button of `action`.
    TarnPushButton *button(Action action) const { return m_buttons[action]; }
    // Enables the buttons that work on the rows of a macro; "GUN SET" makes a new one and needs none.
    void setRowActionsEnabled(bool enabled);
    // Places the buttons at the current scale.
    void relayout();
    // Sets every text again through the translator.
    void retranslate();

signals:
    // The button of `action` was pressed.
    void triggered(MacroEventButtons::Action action);

private:
    TarnPushButton *m_buttons[ActionCount];
};
