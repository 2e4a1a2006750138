// The window itself: shown, hidden, brought forward, closed, painted and moved.
#include "ui/main/MousecfgWidget.h"

#include "device/link/DeviceSession.h"
#include "platform/TrayHost.h"
#include "platform/WindowActivation.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/WindowBackground.h"
#include "ui/main/WindowScale.h"
#include "ui/widgets/TarnMessageBox.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {
// A press must travel further than this (horizontal plus vertical) before the window moves.
constexpr int DragThreshold = 4;
} // namespace

void MousecfgWidget::showAndWarn()
{
    show();
    if (m_session->accessDenied()) {
        warnAccessDenied();
        return;
    }
    if (connectedCount() != 0) {
        BringWindowToFront(this);
        return;
    }
    m_warningShown = true;
    const int answer = Prompts().messageBox(TarnMessageBox::NoticeButtons, tr("Warning"),
                                            tr("Dongle Disconnect!"), TarnMessageBox::DongleIcon, this, true);
    if (answer == QDialog::Accepted && connectedCount() == 0)
        hideWindow();
    m_warningShown = false;
}

void MousecfgWidget::bringForward()
{
    if (isMinimized())
        showNormal();
    // The "Dongle Disconnect!" box is up or on its way: only the window comes forward.
    if (!m_warningShown) {
        showAndWarn();
        return;
    }
    show();
    BringWindowToFront(this);
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isHidden())
        showAndWarn();
    else if (!m_warningShown)
        hide();
}

void MousecfgWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_background->paint(painter, event->rect());
}

void MousecfgWidget::hideWindow()
{
    // Hidden with no tray to bring it back, the window would be lost until the next launch.
    if (TrayHost::available())
        hide();
    else
        showMinimized();
}

void MousecfgWidget::showMinimisedWithoutTray()
{
    if (isHidden() && !TrayHost::available())
        showMinimized();
}

void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // Closing keeps the program in the tray; with no tray it ends as "&Quit" ends it.
    if (TrayHost::available())
        hide();
    else if (m_tray)
        m_tray->quitAction()->trigger();
    else
        QCoreApplication::quit();
}

void MousecfgWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressGlobal = event->globalPos();
    m_pressTopLeft = frameGeometry().topLeft();
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint displacement = event->globalPos() - m_pressGlobal;
    if (displacement.manhattanLength() <= DragThreshold)
        return;
    // The compositor moves the window where it can (on Wayland only it can); the rest of this drag
    // is its business.
    if (!m_movingByHand && windowHandle() && windowHandle()->startSystemMove()) {
        m_dragging = false;
        return;
    }
    m_movingByHand = true;
    move(m_pressTopLeft + displacement);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    m_movingByHand = false;
}
