#include "ui/widgets/DialogFrame.h"

#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/widgets/Theme.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

void PaintDialogFrame(QPainter &painter, const QRect &rect, const QPixmap &background)
{
    painter.save();
    if (background.isNull())
        painter.fillRect(rect, ThemeColor::window());
    else
        painter.drawPixmap(rect, background);

    // A ring between two pixel-aligned rectangles covers exactly the second and third pixel from each edge.
    QPainterPath ring;
    ring.addRect(QRectF(rect.adjusted(1, 1, -1, -1)));
    ring.addRect(QRectF(rect.adjusted(3, 3, -3, -3)));
    painter.fillPath(ring, AccentColor());
    painter.restore();
}

QPixmap SkinPixmap(const QString &relative)
{
    return QPixmap(AppPaths::skinFile(relative));
}

QPixmap ScaledSkinPicture(const QString &path, const QSize &size, Qt::AspectRatioMode mode)
{
    QImageReader reader(path);
    const QSize full = reader.size();
    if (!full.isValid() || size.isEmpty())
        return QPixmap();
    reader.setScaledSize(full.scaled(size, mode));
    reader.setQuality(100);
    const QPixmap picture = QPixmap::fromImage(reader.read());
    // The full-size decode is gone again: give its memory back rather than keep it in the heap.
    ReleaseFreedMemory();
    return picture;
}
