#include "ui/main/MousecfgWidget.h"

#include "device/link/DeviceSession.h"
#include "device/upload/StatusThreadRunner.h"
#include "device/upload/UploadThreadState.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {
constexpr int DesignWidth = 999;
constexpr int DesignHeight = 640;
// A press must travel further than this (horizontal plus vertical) before the window moves.
constexpr int DragThreshold = 4;
} // namespace

MousecfgWidget::MousecfgWidget(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    setWindowTitle(QStringLiteral("MousecfgWidget"));
    resize(DesignWidth, DesignHeight);

    // Created first: the session pauses it around every close and reopen of the handles.
    m_statusThread = new StatusThreadRunner(this);
    connect(m_statusThread, &StatusThreadRunner::RefreshBatteryStatus, this,
            &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_statusThread, &StatusThreadRunner::RefreshWriteStatus, this,
            &MousecfgWidget::slotRefreshWriteStatus);

    // The device table, enumeration and hot-plug notices; the virtual mouse when one is asked for.
    m_session = new DeviceSession(installHidBackend(), this);
    connect(m_session, &DeviceSession::deviceLost, this,
            [this] { QTimer::singleShot(200, this, &MousecfgWidget::slotWarning); });
    // After every notice the status thread starts afresh on whatever handle is open now.
    connect(m_session, &DeviceSession::devicesChanged, this, [this] {
        m_statusThread->stop();
        m_statusThread->start();
    });
    m_session->openCurrentDevice();
    m_statusThread->start();
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

MousecfgWidget::~MousecfgWidget()
{
    // The status thread leaves the handles before the session closes them and ends the HID library.
    m_statusThread->stop();
    delete m_session;
}

int MousecfgWidget::connectedCount() const
{
    return m_session->connectedCount();
}

void MousecfgWidget::slotWarning()
{
    if (m_session->connectedCount() == 0)
        show();
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    SetMouseAsleep(iCharge == 0 && iLowByte == 0 && iHiByte == 0);
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        SaveDiff(1);
}

void MousecfgWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap background(AppPaths::skinFile(QStringLiteral("/cfgMainback.png")));
    if (background.isNull())
        painter.fillRect(rect(), QColor(30, 30, 30));
    else
        painter.drawPixmap(rect(), background);
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
    if (displacement.manhattanLength() > DragThreshold)
        move(m_pressTopLeft + displacement);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
