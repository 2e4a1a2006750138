#include "ui/pages/SVColorArea.h"

#include "ui/pages/ColorRules.h"
#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    // Moved with the arrow keys: a slider to a screen reader, not an empty panel.
    SetAccessibleRole(this, QAccessible::Slider);
    relayout();
}

int SVColorArea::side() const
{
    return Scaled(128);
}

int SVColorArea::margin() const
{
    return 7;
}

void SVColorArea::relayout()
{
    setFixedSize(side() + 2 * margin(), side() + 2 * margin());
    update();
}

void SVColorArea::setLevels(int saturation, int value)
{
    m_sx = LevelToSquare(saturation, UiScale());
    m_sy = LevelToSquare(value, UiScale());
    update();
}

void SVColorArea::setHue(int hue)
{
    m_hue = hue;
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    setHue(hue);
    emit svChangedSignal(m_hue, m_sx, m_sy);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect square(margin(), margin(), side(), side());
    QLinearGradient across(square.topLeft(), square.topRight());
    across.setColorAt(0, QColor(QStringLiteral("#ffffff")));
    across.setColorAt(1, QColor::fromHsv(m_hue >= 360 ? 0 : qMax(0, m_hue), 255, 255));
    painter.fillRect(square, across);
    QLinearGradient down(square.topLeft(), square.bottomLeft());
    down.setColorAt(0, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 255));
    painter.fillRect(square, down);
    if (hasFocus()) {
        painter.setPen(QPen(AccentColor(), 1, Qt::DotLine));
        painter.drawRect(square.adjusted(-2, -2, 1, 1));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    // Dark surroundings in the lower half want a white ring.
    painter.setPen(QPen(m_sy <= side() / 2 ? Qt::white : Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(margin() + m_sx, margin() + side() - m_sy);
    painter.drawEllipse(centre, 6, 6);
}

void SVColorArea::pickAt(const QPoint &pos)
{
    const int sx = qBound(0, pos.x() - margin(), side());
    const int sy = qBound(0, side() - (pos.y() - margin()), side());
    moveTo(sx, sy);
}

void SVColorArea::moveTo(int sx, int sy)
{
    m_sx = sx;
    m_sy = sy;
    update();
    emit svChangedSignal(m_hue, m_sx, m_sy);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    pickAt(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

void SVColorArea::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys move the point: left/right saturation, up/down value.
    const int step = event->modifiers() & Qt::ShiftModifier ? Scaled(10) : 1;
    int sx = m_sx, sy = m_sy;
    switch (event->key()) {
    case Qt::Key_Left:
        sx -= step;
        break;
    case Qt::Key_Right:
        sx += step;
        break;
    case Qt::Key_Up:
        sy += step;
        break;
    case Qt::Key_Down:
        sy -= step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveTo(qBound(0, sx, side()), qBound(0, sy, side()));
    emit mouseReleaseSignal();
}
