#include "ui/pages/PreviewColorArea.h"

#include "ui/pages/ColorRules.h"
#include "ui/widgets/Theme.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget *parent)
    : QWidget(parent)
{ }

void PreviewColorArea::setColor(const QColor &colour)
{
    m_colour = colour;
    update();
}

void PreviewColorArea::svChangedSlot(int hue, int sx, int sy)
{
    const int saturation = SquareToLevel(sx, UiScale());
    const int value = SquareToLevel(sy, UiScale());
    const int h = hue >= 360 ? 0 : qMax(0, hue);
    m_colour.setHsv(h, saturation, value, 255);
    update();
    emit svChangedSignal(h, saturation, value);
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
