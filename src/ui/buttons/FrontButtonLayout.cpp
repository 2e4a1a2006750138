#include "ui/buttons/FrontButtonLayout.h"

#include <algorithm>

QVector<FrontButtonPlace> FrontButtonLayout(const QVector<int> &matrix, double scale, int pageHeight)
{
    const int shown = int(std::count_if(matrix.begin(), matrix.end(), [](int entry) { return entry != -1; }));
    const int height = int(30 * scale);
    int top = int(30 * scale);
    int gap = int(20 * scale);
    if (shown <= 9) {
        top = std::max(0, (pageHeight - height * shown) / (shown + 1));
        gap = top;
    }
    QVector<FrontButtonPlace> places(matrix.size());
    int c = 0;
    for (int i = 0; i < matrix.size(); ++i) {
        if (matrix[i] == -1)
            continue;
        places[i].geometry = QRect(int(56 * scale), top + gap * c + height * c, int(220 * scale), height);
        places[i].number = c + 1;
        ++c;
    }
    return places;
}
