#include "SkinCanvas.h"
#include "SkinPictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

// Fine diagonal lines that give flat areas some texture; they fade out towards the side `fadeTo`.
void DiagonalTexture(QPainter &painter, const QRectF &area, qreal step, int alpha, Qt::Edge fadeTo)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const bool fadeLeft = fadeTo == Qt::LeftEdge;
    QLinearGradient fade(area.topLeft(), area.topRight());
    fade.setColorAt(fadeLeft ? 0 : 1, QColor(255, 255, 255, 0));
    fade.setColorAt(fadeLeft ? 1 : 0, QColor(255, 255, 255, alpha));
    painter.setPen(QPen(QBrush(fade), 1));
    for (qreal x = area.left() - area.height(); x < area.right(); x += step)
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    painter.restore();
}

void Glow(QPainter &painter, const QPointF &centre, qreal radius, const QColor &color)
{
    // Falls off as (1 - r)^2, so the glow has no visible rim where it ends.
    QRadialGradient glow(centre, radius);
    for (int step = 0; step <= 8; ++step) {
        const qreal t = step / 8.0;
        glow.setColorAt(t, WithAlpha(color, qRound(color.alpha() * (1 - t) * (1 - t))));
    }
    painter.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), glow);
}

// The shared dialog surface: a dark gradient, a sheen at the top and an inner hairline.
void DialogSurface(QPainter &painter, const QSizeF &size)
{
    const QRectF whole(QPointF(0, 0), size);
    QLinearGradient base(whole.topLeft(), whole.bottomLeft());
    base.setColorAt(0, QColor(42, 42, 45));
    base.setColorAt(0.55, QColor(31, 31, 33));
    base.setColorAt(1, QColor(24, 24, 26));
    painter.fillRect(whole, base);

    QLinearGradient sheen(whole.topLeft(), QPointF(0, size.height() * 0.4));
    sheen.setColorAt(0, QColor(255, 255, 255, 14));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(whole, sheen);

    painter.setPen(QPen(QColor(255, 255, 255, 20), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(whole.adjusted(5.5, 5.5, -5.5, -5.5));
}

} // namespace

void PaintMainBackground(QPainter &painter, const QSizeF &size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QPainterPath outline = RoundedRect(QRectF(0, 0, w, h), 14);
    FillVertical(painter, outline, QColor(34, 34, 36), QColor(25, 25, 27));
    painter.save();
    painter.setClipPath(outline);

    // Header band: title, tabs and window buttons sit here.
    const QRectF header(0, 0, w, 64);
    QLinearGradient headerFill(header.topLeft(), header.bottomLeft());
    headerFill.setColorAt(0, QColor(27, 27, 29));
    headerFill.setColorAt(1, QColor(19, 19, 21));
    painter.fillRect(header, headerFill);
    DiagonalTexture(painter, QRectF(w * 0.5, 0, w * 0.5, 63), 6, 9, Qt::LeftEdge);
    painter.fillRect(QRectF(0, 63, w, 1), QColor(58, 58, 61));
    QLinearGradient accentLine(QPointF(24, 0), QPointF(200, 0));
    accentLine.setColorAt(0, SkinColor::accent());
    accentLine.setColorAt(1, WithAlpha(SkinColor::accent(), 0));
    painter.fillRect(QRectF(24, 62, 176, 2), accentLine);

    // Body: one inset panel for the mouse picture and the pages.
    const QRectF body(16, 76, w - 32, 484);
    const QPainterPath bodyPath = RoundedRect(body, 10);
    SoftShadow(painter, bodyPath.translated(0, 2), 6, 60);
    FillVertical(painter, bodyPath, QColor(44, 44, 47), QColor(33, 33, 35));
    painter.save();
    painter.setClipPath(bodyPath);
    Glow(painter, QPointF(body.left() + 170, body.center().y()), 340, QColor(255, 255, 255, 22));
    Glow(painter, QPointF(body.left() + 170, body.bottom() + 40), 240, WithAlpha(SkinColor::accent(), 26));
    painter.restore();
    painter.setPen(QPen(QColor(62, 62, 66), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 10));
    painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
    painter.drawLine(QPointF(body.left() + 10, body.top() + 1.5),
                     QPointF(body.right() - 10, body.top() + 1.5));

    // Footer band: battery, profile actions and the confirmation buttons.
    const QRectF footer(0, 572, w, h - 572);
    QLinearGradient footerFill(footer.topLeft(), footer.bottomLeft());
    footerFill.setColorAt(0, QColor(22, 22, 24));
    footerFill.setColorAt(1, QColor(17, 17, 19));
    painter.fillRect(footer, footerFill);
    painter.fillRect(QRectF(0, 572, w, 1), QColor(50, 50, 53));
    DiagonalTexture(painter, QRectF(0, 573, w * 0.35, h - 573), 6, 7, Qt::RightEdge);
    painter.restore();

    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 13.5));
}

void PaintDialogBackground(QPainter &painter, const QSizeF &size)
{
    DialogSurface(painter, size);
}

void PaintGunDialogBackground(QPainter &painter, const QSizeF &size)
{
    DialogSurface(painter, size);
    // A faint sight in the free right-hand area.
    const QPointF centre(size.width() - 120, size.height() / 2 + 20);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 12), 2));
    painter.drawEllipse(centre, 90, 90);
    painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
    painter.drawEllipse(centre, 55, 55);
    painter.drawLine(centre + QPointF(-110, 0), centre + QPointF(-20, 0));
    painter.drawLine(centre + QPointF(20, 0), centre + QPointF(110, 0));
    painter.drawLine(centre + QPointF(0, -110), centre + QPointF(0, -20));
    painter.drawLine(centre + QPointF(0, 20), centre + QPointF(0, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(SkinColor::accent(), 40));
    painter.drawEllipse(centre, 3, 3);
}

void PaintProgressBackground(QPainter &painter, const QSizeF &size)
{
    const QRectF whole(QPointF(0, 0), size);
    const QPainterPath panel = RoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), 16);
    // The spinner frames are keyed on this exact colour, so the middle stays flat.
    painter.fillPath(panel, SkinColor::window());
    QLinearGradient border(whole.topLeft(), whole.bottomLeft());
    border.setColorAt(0, QColor(96, 96, 100));
    border.setColorAt(1, QColor(52, 52, 55));
    painter.setPen(QPen(QBrush(border), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(panel);
}
