#include "osd/OsdNotice.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVariantAnimation>

namespace {
// Text sizes a message may ask for, in pixels at 96 DPI.
constexpr int MinPixelSize = 8;
constexpr int MaxPixelSize = 300;
// Room around the text, as a share of the text's pixel size.
constexpr double Padding = 0.45;
// Distance of the plate's bottom from the screen's bottom, as a share of the screen's height.
constexpr double BottomGap = 0.12;
const QColor PlateColor(20, 20, 20, 215);

int clampedMs(qint32 ms)
{
    return qBound(0, int(ms), OsdNotice::MaxPhaseMs);
}

QPainterPath platePath(const QRectF &rect)
{
    QPainterPath path;
    const qreal radius = rect.height() / 5;
    path.addRoundedRect(rect, radius, radius);
    return path;
}
} // namespace

OsdNotice::OsdNotice(QWidget *parent)
    : QWidget(parent,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                  | Qt::WindowDoesNotAcceptFocus)
    , m_fade(new QVariantAnimation(this))
{
    setObjectName(QStringLiteral("OsdNotice"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_stay.setSingleShot(true);
    connect(&m_stay, &QTimer::timeout, this, &OsdNotice::startFadeOut);
    connect(m_fade, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setWindowOpacity(value.toDouble()); });
    connect(m_fade, &QVariantAnimation::finished, this, [this] {
        // The end of a fade-out; a fade-in ends with the stay timer running.
        if (!m_stay.isActive() && windowOpacity() < 0.5)
            hide();
    });
}

void OsdNotice::showMessage(const OsdMessage &message)
{
    if (message.text.isEmpty())
        return;
    m_fade->stop();
    m_stay.stop();
    m_text = message.text;
    m_color = message.color;
    m_color.setAlpha(255);
    m_fadeOutMs = clampedMs(message.fadeOutMs);
    m_font = QFont(message.family.isEmpty() ? QStringLiteral("Sans Serif") : message.family);
    m_font.setBold(true);
    m_font.setStyleHint(QFont::SansSerif);
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const double dpiRatio = screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    m_font.setPixelSize(qMax(1, int(qBound(MinPixelSize, int(message.pixelSize), MaxPixelSize) * dpiRatio)));
    setAccessibleName(m_text);
    fitToScreen();

    const int fadeInMs = clampedMs(message.fadeInMs);
    m_stay.setInterval(fadeInMs + clampedMs(message.showMs));
    m_stay.start();
    if (fadeInMs > 0) {
        m_fade->setDuration(fadeInMs);
        m_fade->setStartValue(0.0);
        m_fade->setEndValue(1.0);
        setWindowOpacity(0.0);
        m_fade->start();
    } else {
        setWindowOpacity(1.0);
    }
    show();
    raise();
    update();
}

void OsdNotice::fitToScreen()
{
    const QFontMetrics metrics(m_font);
    const int padding = int(m_font.pixelSize() * Padding);
    QSize size(metrics.horizontalAdvance(m_text) + 2 * padding, metrics.height() + padding);
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    size = size.boundedTo(area.size());
    const int x = area.left() + (area.width() - size.width()) / 2;
    const int y = area.bottom() - int(area.height() * BottomGap) - size.height();
    setGeometry(QRect(QPoint(x, y), size));
    // Without a compositor the translucent corners would show black: cut them off.
    setMask(QRegion(platePath(QRectF(rect())).toFillPolygon().toPolygon()));
}

void OsdNotice::startFadeOut()
{
    if (m_fadeOutMs == 0) {
        hide();
        return;
    }
    m_fade->stop();
    m_fade->setDuration(m_fadeOutMs);
    m_fade->setStartValue(windowOpacity());
    m_fade->setEndValue(0.0);
    m_fade->start();
}

void OsdNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(platePath(QRectF(rect())), PlateColor);
    painter.setFont(m_font);
    painter.setPen(m_color);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_text);
}
