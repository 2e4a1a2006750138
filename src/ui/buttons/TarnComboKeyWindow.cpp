#include "ui/buttons/TarnComboKeyWindow.h"

#include <QLabel>

TarnComboKeyWindow::TarnComboKeyWindow(QWidget *parent)
    : KeyDialogFrame(tr("Combo Key"), parent)
    , m_display(createKeyDisplay())
{
    setObjectName(QStringLiteral("TarnComboKeyWindow"));
    auto *hint = new QLabel(tr("Hold the modifiers and press the key."), this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    place(hint, 20, 66, 360, 22);
    place(m_display, 30, 100, 340, 40);
}

void TarnComboKeyWindow::preset(const ComboKeys &keys)
{
    m_state.preset(keys);
    m_display->setText(m_state.displayText());
}

void TarnComboKeyWindow::showEvent(QShowEvent *event)
{
    KeyDialogFrame::showEvent(event);
    startCapture(true);
}

void TarnComboKeyWindow::onCapturedKey(quint8 keyCode, bool pressed, bool extended)
{
    m_state.keyEvent(keyCode, pressed, extended);
    m_display->setText(m_state.displayText());
}
