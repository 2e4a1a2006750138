#include "ui/widgets/DialogFrame.h"

#include "storage/AppPaths.h"
#include "ui/widgets/Theme.h"

#include <QPainter>
#include <QPixmap>

void PaintDialogFrame(QPainter &painter, const QRect &rect, const QPixmap &background)
{
    painter.save();
    if (background.isNull())
        painter.fillRect(rect, ThemeColor::window());
    else
        painter.drawPixmap(rect, background);

    // A 2-pixel pen centred 2 pixels in covers exactly the second and third pixel rows from each edge.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(AccentColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(2, 2, -2, -2));
    painter.restore();
}

QPixmap SkinPixmap(const QString &relative)
{
    return QPixmap(AppPaths::skinFile(relative));
}
