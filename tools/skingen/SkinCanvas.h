#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

#include <functional>

class QPainter;

// Paints one picture in design units onto an image `factor` times larger, so that the program can scale
// it to any display scale without blurring.
using SkinPainter = std::function<void(QPainter &, const QSizeF &)>;
QImage PaintSkinImage(const QSize &designSize, int factor, const SkinPainter &paint);

// Colours shared by the pictures.
namespace SkinColor {
// The default accent of the shipped settings; used sparingly so another accent still matches.
inline QColor accent()
{
    return QColor(255, 125, 0);
}
// A lighter accent for highlights and gradient tops.
inline QColor accentLight()
{
    return QColor(255, 168, 70);
}
// Theme backgrounds.
inline QColor window()
{
    return QColor(30, 30, 30);
}
inline QColor panel()
{
    return QColor(50, 50, 50);
}
// Hairlines between areas.
inline QColor hairline()
{
    return QColor(68, 68, 70);
}
// Glyphs in their normal and highlighted states.
inline QColor glyph()
{
    return QColor(170, 170, 172);
}
inline QColor glyphHot()
{
    return QColor(255, 255, 255);
}
} // namespace SkinColor

// A rounded rectangle path.
QPainterPath RoundedRect(const QRectF &rect, qreal radius);
// `color` with alpha `alpha` (0..255).
QColor WithAlpha(QColor color, int alpha);
// Fills `path` with a top-to-bottom gradient.
void FillVertical(QPainter &painter, const QPainterPath &path, const QColor &top, const QColor &bottom);
// A soft drop shadow under `path`, built from a few widening translucent outlines.
void SoftShadow(QPainter &painter, const QPainterPath &path, qreal spread, int alpha);
