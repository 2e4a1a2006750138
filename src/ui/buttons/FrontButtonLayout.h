#pragma once

#include <QRect>
#include <QVector>

// Where one front button of the page goes.
struct FrontButtonPlace
{
    QRect geometry; // empty for a hidden button
    int number = 0; // 1..n in display order; 0 when hidden
};

// Places the front buttons: `matrix` holds the product's entry of each button (-1 hides it); up to
// nine shown buttons are spread evenly over `pageHeight`, more start at the top with a fixed gap.
QVector<FrontButtonPlace> FrontButtonLayout(const QVector<int> &matrix, double scale, int pageHeight);
