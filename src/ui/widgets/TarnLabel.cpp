#include "ui/widgets/TarnLabel.h"

#include "ui/widgets/AccessibleSkin.h"

#include "ui/widgets/Theme.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TarnLabel::TarnLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    InstallAccessibleSkin();
    // Texts may carry names from files: never markup.
    setTextFormat(Qt::PlainText);
}

void TarnLabel::setClickable(bool clickable)
{
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TarnLabel::activate()
{
    if (m_clickable)
        emit EnterSignal(this);
}

void TarnLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_clickable && event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit EnterSignal(this);
    QLabel::mouseReleaseEvent(event);
}

void TarnLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_clickable && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit EnterSignal(this);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TarnLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus() && m_keyboardFocus) {
        QPainter painter(this);
        PaintFocusFrame(painter, rect());
    }
}

void TarnLabel::focusInEvent(QFocusEvent *event)
{
    // Focus coming back with the window or from a menu looks as it did when it left.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_keyboardFocus = IsKeyboardFocusReason(event->reason());
    QLabel::focusInEvent(event);
}

void TarnLabel::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_keyboardFocus = false;
    QLabel::focusOutEvent(event);
}
