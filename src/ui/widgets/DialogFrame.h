#pragma once

#include <QString>
#include <Qt>

class QPainter;
class QPixmap;
class QRect;
class QSize;

// Paints the common dialog look: `background` stretched over `rect` (plain window colour when the
// picture is missing), then a 2-pixel accent frame inset by one pixel from the edge.
void PaintDialogFrame(QPainter &painter, const QRect &rect, const QPixmap &background);

// Loads a skin picture, for example "/dlg.png", from the program's skin folder.
QPixmap SkinPixmap(const QString &relative);
// Reads the picture file at `path` straight into `size` (aspect kept or not as asked), smoothly
// scaled; the full-size picture is never kept. Null when the file cannot be read.
QPixmap ScaledSkinPicture(const QString &path, const QSize &size, Qt::AspectRatioMode mode);
