#pragma once

#include "ui/buttons/ComboKeyState.h"
#include "ui/buttons/KeyDialogFrame.h"

class QLabel;

// "Combo Key": modifiers and one key, as held at the last key-down. While it is open it takes the
// keyboard for itself, so the keys typed reach no program.
class TarnComboKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    // An empty dialog; capture and grab start when it is shown.
    explicit TarnComboKeyWindow(QWidget *parent = nullptr);

    // Shows the combination of a record and makes it the value.
    void preset(const ComboKeys &keys);
    // The combination, Shift, Ctrl, Win, Alt (left codes), other key.
    ComboKeys keys() const { return m_state.keys(); }
    // The capture state (counts, codes, display).
    const ComboKeyState &state() const { return m_state; }

protected:
    void showEvent(QShowEvent *event) override;
    void onCapturedKey(quint8 keyCode, bool pressed, bool extended) override;
    void captureRestarted() override;

private:
    QLabel *m_display;
    ComboKeyState m_state;
};
