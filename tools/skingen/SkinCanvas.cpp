#include "SkinCanvas.h"

#include <QLinearGradient>
#include <QPainter>

QImage PaintSkinImage(const QSize &designSize, int factor, const SkinPainter &paint)
{
    QImage image(designSize * factor, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(factor, factor);
    paint(painter, QSizeF(designSize));
    painter.end();
    return image;
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
