#include "ui/buttons/TarnComboKeyWindow.h"

#include <QLabel>

TarnComboKeyWindow::TarnComboKeyWindow(QWidget *parent)
    : KeyDialogFrame(tr("Combo Key"), parent)
    , m_display(createKeyDisplay())
{
    setObjectName(QStringLiteral("TarnComboKeyWindow"));
    setHint(tr("Hold the modifiers and press the key."));
    place(m_display, 30, 100, 340, 40);
    placeCaptureAgain(130, 146, 140, 24);
}

void TarnComboKeyWindow::preset(const ComboKeys &keys)
{
    m_state.preset(keys);
    showKey(m_state.displayText());
}

void TarnComboKeyWindow::showEvent(QShowEvent *event)
{
    KeyDialogFrame::showEvent(event);
    startCapture(true);
}

void TarnComboKeyWindow::onCapturedKey(quint8 keyCode, bool pressed, bool extended)
{
    m_state.keyEvent(keyCode, pressed, extended);
    showKey(m_state.displayText());
    // A combination is complete with its key; modifiers alone may still grow into one.
    if (pressed && m_state.hasKey())
        keyTaken(m_state.displayText());
}

void TarnComboKeyWindow::captureRestarted()
{
    m_state.restart();
}
