#include "ui/widgets/DialogFrame.h"

#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QPainter>
#include <QPainterPath>

void PaintDialogFrame(QPainter &painter, const QRect &rect, SkinPicture &background)
{
    painter.save();
    if (background.isNull())
        painter.fillRect(rect, ThemeColor::window());
    else
        background.draw(painter, rect);

    // A ring between two pixel-aligned rectangles covers exactly the second and third pixel from each edge.
    QPainterPath ring;
    ring.addRect(QRectF(rect.adjusted(1, 1, -1, -1)));
    ring.addRect(QRectF(rect.adjusted(3, 3, -3, -3)));
    painter.fillPath(ring, AccentColor());
    painter.restore();
}
