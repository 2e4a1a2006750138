#include "SkinCanvas.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// Reduces a 16-bit image to 8 bits with an ordered dither, so that the soft dark gradients do not
// show bands.
QImage DitherTo8Bit(const QImage &deep)
{
    static const int Bayer[4][4] = { { 0, 8, 2, 10 }, { 12, 4, 14, 6 }, { 3, 11, 1, 9 }, { 15, 7, 13, 5 } };
    QImage image(deep.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < deep.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgba64 *>(deep.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < deep.width(); ++x) {
            // Threshold in 1/16 of an 8-bit step; 257 sixteen-bit units make one step.
            const int threshold = (Bayer[y & 3][x & 3] * 257 + 8) / 16;
            const auto reduce = [threshold](int value) { return qMin(255, (value + threshold) / 257); };
            const QRgba64 pixel = in[x];
            const int alpha = reduce(pixel.alpha());
            out[x] = qRgba(qMin(alpha, reduce(pixel.red())), qMin(alpha, reduce(pixel.green())),
                           qMin(alpha, reduce(pixel.blue())), alpha);
        }
    }
    return image;
}

} // namespace

QImage PaintSkinImage(const QSize &designSize, int factor, const SkinPainter &paint)
{
    // Painted with 16 bits per channel, then dithered down.
    QImage deep(designSize * factor, QImage::Format_RGBA64_Premultiplied);
    deep.fill(Qt::transparent);
    QPainter painter(&deep);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(factor, factor);
    paint(painter, QSizeF(designSize));
    painter.end();
    return DitherTo8Bit(deep);
}

QPainterPath RoundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor WithAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

void FillVertical(QPainter &painter, const QPainterPath &path, const QColor &top, const QColor &bottom)
{
    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(path, gradient);
}

void SoftShadow(QPainter &painter, const QPainterPath &path, qreal spread, int alpha)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    constexpr int Steps = 8;
    for (int i = Steps; i >= 1; --i) {
        const qreal width = spread * i / Steps * 2;
        painter.setPen(
            QPen(QColor(0, 0, 0, alpha / Steps), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.fillPath(path, QColor(0, 0, 0, alpha));
    painter.restore();
}
