#pragma once

#include <QObject>

class QWidget;

// Tells once that a widget's first paint is done and on its way to the screen, so that work the first
// sight does not need can follow it instead of delaying it.
class FirstPaintWatch : public QObject
{
    Q_OBJECT
public:
    // Watches `widget`'s paints; the watch belongs to the widget.
    explicit FirstPaintWatch(QWidget *widget);

signals:
    // The widget painted for the first time and the event loop came round again.
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
