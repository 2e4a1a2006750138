#include "ui/main/MousecfgWidget.h"

#include "device/DeviceSession.h"
#include "storage/AppPaths.h"
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

    // The device table, enumeration and hot-plug notices; the virtual mouse when one is asked for.
    m_session = new DeviceSession(installHidBackend(), this);
    connect(m_session, &DeviceSession::deviceLost, this,
            [this] { QTimer::singleShot(200, this, &MousecfgWidget::slotWarning); });
    m_session->openCurrentDevice();
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
}

MousecfgWidget::~MousecfgWidget()
{
    // Closes the device and ends the HID library before the children go.
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
