#include "ui/main/FirstPaintWatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaintWatch::FirstPaintWatch(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The backing store is flushed right after the paint; the next turn of the loop comes after.
        QTimer::singleShot(0, this, &FirstPaintWatch::painted);
    }
    return QObject::eventFilter(watched, event);
}
