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
    setAcceptEnabled(false);
}

void TarnComboKeyWindow::preset(const ComboKeys &keys)
{
    m_state.preset(keys);
    showKey(m_state.displayText());
    setAcceptEnabled(!m_state.keys().isEmpty());
}

void TarnComboKeyWindow::showEvent(QShowEvent *event)
{
    KeyDialogFrame::showEvent(event);
    startCapture(true);
}

void TarnComboKeyWindow::onCapturedKey(quint8 keyCode, bool pressed, bool extended)
{
    // A key the mouse has no code for is not part of a combination.
    if (!IsSendableKey(keyCode))
        return;
    m_state.keyEvent(keyCode, pressed, extended);
    showKey(m_state.displayText());
    setAcceptEnabled(!m_state.keys().isEmpty());
    // A combination is complete with its key; modifiers alone may still grow into one.
    if (pressed && m_state.hasKey())
        keyTaken(m_state.displayText());
}

void TarnComboKeyWindow::captureRestarted()
{
    m_state.restart();
}
