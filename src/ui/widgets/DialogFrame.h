#pragma once

#include <QString>

class QPainter;
class QPixmap;
class QRect;

// Paints the common dialog look: `background` stretched over `rect` (plain window colour when the
// picture is missing), then a 2-pixel accent frame inset by one pixel from the edge.
void PaintDialogFrame(QPainter &painter, const QRect &rect, const QPixmap &background);

// Loads a skin picture, for example "/dlg.png", from the program's skin folder.
QPixmap SkinPixmap(const QString &relative);
