#include "ui/buttons/TarnSingleKeyWindow.h"

#include "storage/KeyTable.h"

#include <QLabel>

TarnSingleKeyWindow::TarnSingleKeyWindow(QWidget *parent)
    : KeyDialogFrame(tr("Single Key"), parent)
    , m_display(createKeyDisplay())
{
    setObjectName(QStringLiteral("TarnSingleKeyWindow"));
    auto *hint = new QLabel(tr("Press the key for this button."), this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    place(hint, 20, 66, 360, 22);
    place(m_display, 60, 100, 280, 40);
}

void TarnSingleKeyWindow::preset(quint8 keyCode)
{
    m_keyCode = keyCode;
    m_display->setText(KeyName(keyCode));
}

void TarnSingleKeyWindow::showEvent(QShowEvent *event)
{
    KeyDialogFrame::showEvent(event);
    startCapture(false);
    m_display->setFocus();
}

void TarnSingleKeyWindow::onCapturedKey(quint8 keyCode, bool pressed, bool)
{
    if (keyCode == m_lastCode && pressed == m_lastPressed)
        return;
    m_lastCode = keyCode;
    m_lastPressed = pressed;
    m_keyCode = keyCode;
    m_display->setText(KeyName(keyCode));
}
