#include "ui/widgets/ScreenTabOrder.h"

#include <QWidget>

#include <algorithm>

QList<QWidget *> ScreenOrderedTabStops(QWidget *parent, int rowTolerance)
{
    struct Stop
    {
        QWidget *widget;
        QPoint at;
    };
    QList<Stop> stops;
    for (QWidget *child : parent->findChildren<QWidget *>()) {
        if (child->isWindow() || !(child->focusPolicy() & Qt::TabFocus) || child->focusProxy())
            continue;
        // Position in the parent's terms, so nested panels sort with the rest.
        stops.append({ child, child->mapTo(parent, QPoint(0, 0)) });
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) { return a.at.y() < b.at.y(); });
    // A row starts at its topmost widget; every widget close enough below it joins that row.
    int rowTop = 0;
    for (int i = 0; i < stops.size(); ++i) {
        if (i == 0 || stops[i].at.y() - rowTop > rowTolerance)
            rowTop = stops[i].at.y();
        stops[i].at.setY(rowTop);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) {
        return a.at.y() != b.at.y() ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QList<QWidget *> widgets;
    for (const Stop &stop : stops)
        widgets.append(stop.widget);
    return widgets;
}

QWidget *SetScreenTabOrder(QWidget *parent, int rowTolerance, QWidget *before)
{
    QWidget *previous = before;
    for (QWidget *widget : ScreenOrderedTabStops(parent, rowTolerance)) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return previous;
}
