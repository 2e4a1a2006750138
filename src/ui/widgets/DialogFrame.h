#pragma once

class QPainter;
class QRect;
class SkinPicture;

// Paints the common dialog look: `background` stretched over `rect` (plain window colour when the
// picture is missing), then a 2-pixel accent frame inset by one pixel from the edge.
void PaintDialogFrame(QPainter &painter, const QRect &rect, SkinPicture &background);
