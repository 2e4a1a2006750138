#include "ui/pages/DefaultColorArea.h"

#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    // A button to a screen reader, the colour read out as its value.
    SetAccessibleRole(this, QAccessible::Button);
    setAccessibleDescription(colour.name().toUpper());
}

void DefaultColorArea::setColor(const QColor &colour)
{
    m_colour = colour;
    setAccessibleDescription(colour.name().toUpper());
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(AccentColor(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void DefaultColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit ClickedSignal();
}

void DefaultColorArea::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit ClickedSignal();
        return;
    }
    QWidget::keyPressEvent(event);
}
