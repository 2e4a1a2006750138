#include "ui/pages/HColorArea.h"

#include "ui/pages/ColorRules.h"
#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int StripDesignWidth = 18;
constexpr int MarkerDesignWidth = 8;

} // namespace

HColorArea::HColorArea(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    // Moved with the arrow keys: a slider to a screen reader, not an empty panel.
    SetAccessibleRole(this, QAccessible::Slider);
    relayout();
}

int HColorArea::stripHeight() const
{
    return Scaled(128);
}

int HColorArea::stripWidth() const
{
    return Scaled(StripDesignWidth);
}

void HColorArea::relayout()
{
    setFixedSize(stripWidth() + Scaled(MarkerDesignWidth) + 2, stripHeight() + 2 * TopMargin);
    m_strip = QPixmap(stripWidth(), stripHeight());
    QPainter painter(&m_strip);
    QLinearGradient gradient(0, stripHeight(), 0, 0);
    for (int i = 0; i < 16; ++i)
        gradient.setColorAt(i / 16.0, QColor::fromHsvF(i / 16.0, 1, 1, 1));
    gradient.setColorAt(1.0, QColor::fromHsvF(0, 1, 1, 1));
    painter.fillRect(m_strip.rect(), gradient);
    update();
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    setAccessibleDescription(QString::number(m_hue));
    update();
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, TopMargin, m_strip);
    if (hasFocus()) {
        painter.setPen(QPen(AccentColor(), 1, Qt::DotLine));
        painter.drawRect(QRectF(0.5, TopMargin - 0.5, stripWidth() - 1, stripHeight() + 1));
    }
    const double y = StripYFromHue(m_hue, stripHeight(), TopMargin);
    const double left = stripWidth() + 1;
    const double half = Scaled(MarkerDesignWidth) / 2.0 + 1;
    QPainterPath marker;
    marker.moveTo(left, y);
    marker.lineTo(left + Scaled(MarkerDesignWidth), y - half);
    marker.lineTo(left + Scaled(MarkerDesignWidth), y + half);
    marker.closeSubpath();
    painter.fillPath(marker, Qt::white);
}

void HColorArea::pickAt(int y)
{
    changeHue(HueFromStrip(y, stripHeight(), TopMargin));
}

void HColorArea::changeHue(int hue)
{
    m_hue = hue;
    setAccessibleDescription(QString::number(m_hue));
    update();
    emit hueChangedSignal(hue);
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    pickAt(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

void HColorArea::keyPressEvent(QKeyEvent *event)
{
    // Up and Down step the hue, so the strip works without a mouse.
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        const int delta = event->key() == Qt::Key_Up ? step : -step;
        changeHue(qBound(0, m_hue + delta, 360));
        emit mouseReleaseSignal();
        return;
    }
    QWidget::keyPressEvent(event);
}
