#include "ui/buttons/TarnSingleKeyWindow.h"

#include "core/settings/ButtonAssignment.h"
#include "storage/KeyTable.h"
#include "ui/widgets/ShownKeyNames.h"

#include <QLabel>

TarnSingleKeyWindow::TarnSingleKeyWindow(QWidget *parent)
    : KeyDialogFrame(tr("Single Key"), parent)
    , m_display(createKeyDisplay())
{
    setObjectName(QStringLiteral("TarnSingleKeyWindow"));
    setHint(tr("Press the key for this button."));
    place(m_display, 60, 100, 280, 40);
    placeCaptureAgain(130, 146, 140, 24);
    setAcceptEnabled(false);
}

void TarnSingleKeyWindow::preset(quint8 keyCode)
{
    m_keyCode = keyCode;
    showKey(ShownKeyName(keyCode));
    setAcceptEnabled(IsSendableKey(keyCode));
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
    // A key the mouse has no code for would leave the button dead: it is not taken.
    if (!IsSendableKey(keyCode))
        return;
    m_keyCode = keyCode;
    showKey(ShownKeyName(keyCode));
    setAcceptEnabled(true);
    keyTaken(ShownKeyName(keyCode));
}

void TarnSingleKeyWindow::captureRestarted()
{
    m_lastCode = -1;
}
