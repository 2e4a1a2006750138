#include "SkinCanvas.h"
#include "SkinPictures.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace {

QPen GlyphPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Paints in a square design box of `unit` units centred in `size`.
void UseUnitBox(QPainter &painter, const QSizeF &size, qreal unit)
{
    const qreal side = qMin(size.width(), size.height());
    painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
    painter.scale(side / unit, side / unit);
}

// A top-view mouse outline inside `box`: narrow at the buttons, widest at the palm.
QPainterPath MouseOutline(const QRectF &box)
{
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath path(at(0.5, 0.0));
    path.cubicTo(at(0.84, 0.0), at(0.92, 0.22), at(0.93, 0.44));
    path.cubicTo(at(0.95, 0.66), at(1.0, 0.86), at(0.5, 1.0));
    path.cubicTo(at(0.0, 0.86), at(0.05, 0.66), at(0.07, 0.44));
    path.cubicTo(at(0.08, 0.22), at(0.16, 0.0), at(0.5, 0.0));
    return path;
}

} // namespace

void PaintWarningIcon(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 72);
    QPainterPath triangle(QPointF(36, 10));
    triangle.lineTo(64, 60);
    triangle.lineTo(8, 60);
    triangle.closeSubpath();
    QPainterPathStroker rounder;
    rounder.setWidth(9);
    rounder.setJoinStyle(Qt::RoundJoin);
    const QPainterPath sign = rounder.createStroke(triangle).united(triangle).simplified();
    SoftShadow(painter, sign.translated(0, 2), 3, 90);
    FillVertical(painter, sign, SkinColor::accentLight(), QColor(236, 104, 0));
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sign.translated(0, 0.2));
    painter.setPen(GlyphPen(QColor(32, 26, 22), 6.5));
    painter.drawLine(QPointF(36, 27), QPointF(36, 44));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 26, 22));
    painter.drawEllipse(QPointF(36, 54), 3.8, 3.8);
}

void PaintReceiver(QPainter &painter, const QSizeF &size, bool waves)
{
    UseUnitBox(painter, size, 72);
    painter.translate(36, 40);
    painter.rotate(-24);
    // Metal plug on the left, the receiver's body on the right.
    const QRectF plug(-30, -8, 32, 16);
    const QPainterPath plugPath = RoundedRect(plug, 1.5);
    const QRectF body(0, -12, 28, 24);
    const QPainterPath bodyPath = RoundedRect(body, 6);
    SoftShadow(painter, plugPath.united(bodyPath).translated(0, 2.5), 3, 80);
    QLinearGradient metal(plug.topLeft(), plug.bottomLeft());
    metal.setColorAt(0, QColor(236, 236, 240));
    metal.setColorAt(0.45, QColor(168, 168, 175));
    metal.setColorAt(0.55, QColor(140, 140, 148));
    metal.setColorAt(1, QColor(200, 200, 206));
    painter.fillPath(plugPath, metal);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 44));
    painter.drawRect(QRectF(-24, -3.5, 6, 4));
    painter.drawRect(QRectF(-12, -3.5, 6, 4));
    FillVertical(painter, bodyPath, QColor(70, 70, 76), QColor(20, 20, 22));
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.drawLine(QPointF(body.left() + 4, body.top() + 1), QPointF(body.right() - 5, body.top() + 1));
    painter.setPen(GlyphPen(SkinColor::accent(), 2.2));
    painter.drawLine(QPointF(body.right() - 5, -5), QPointF(body.right() - 5, 5));
    if (!waves)
        return;
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 8 + 6 * i;
        painter.setPen(GlyphPen(WithAlpha(SkinColor::accent(), 230 - 60 * i), 2.2));
        painter.drawArc(QRectF(body.right() - 4 - r, -r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
}

void PaintLightning(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 24);
    QPainterPath bolt(QPointF(14.5, 1.5));
    bolt.lineTo(4, 13.5);
    bolt.lineTo(11, 13.5);
    bolt.lineTo(9, 22.5);
    bolt.lineTo(20, 9.5);
    bolt.lineTo(13, 9.5);
    bolt.closeSubpath();
    SoftShadow(painter, bolt.translated(0, 0.8), 1, 90);
    FillVertical(painter, bolt, QColor(255, 214, 120), SkinColor::accent());
    painter.setPen(QPen(QColor(255, 255, 255, 90), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bolt);
}

void PaintEmblem(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 64);
    // Three swept feathers of a wing; the lowest one carries the accent.
    const QColor tops[] = { QColor(250, 250, 252), QColor(190, 190, 196), SkinColor::accent() };
    const qreal widths[] = { 7, 6, 5 };
    for (int k = 0; k < 3; ++k) {
        const qreal y = 16 + k * 11;
        QPainterPath feather(QPointF(8 + k * 5, y + 14));
        feather.cubicTo(QPointF(20 + k * 4, y - 2), QPointF(40, y - 6), QPointF(58 - k * 6, y - 8));
        painter.setPen(GlyphPen(QColor(0, 0, 0, 80), widths[k] + 2));
        painter.drawPath(feather.translated(0, 1.2));
        painter.setPen(GlyphPen(tops[k], widths[k]));
        painter.drawPath(feather);
    }
}

void PaintAppIcon(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 256);
    const QPainterPath tile = RoundedRect(QRectF(10, 10, 236, 236), 54);
    SoftShadow(painter, tile.translated(0, 4), 6, 90);
    FillVertical(painter, tile, QColor(58, 58, 63), QColor(16, 16, 18));
    painter.setPen(QPen(QColor(255, 255, 255, 40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(QRectF(11, 11, 234, 234), 53));

    const QRectF shell(78, 44, 100, 168);
    const QPainterPath mouse = MouseOutline(shell);
    QRadialGradient glow(QPointF(128, 200), 110);
    glow.setColorAt(0, WithAlpha(SkinColor::accent(), 110));
    glow.setColorAt(1, WithAlpha(SkinColor::accent(), 0));
    painter.save();
    painter.setClipPath(tile);
    painter.fillRect(QRectF(0, 90, 256, 166), glow);
    painter.restore();
    SoftShadow(painter, mouse.translated(0, 5), 6, 110);
    QLinearGradient shellFill(shell.topLeft(), shell.topRight());
    shellFill.setColorAt(0, QColor(60, 60, 66));
    shellFill.setColorAt(0.5, QColor(96, 96, 104));
    shellFill.setColorAt(1, QColor(44, 44, 48));
    painter.fillPath(mouse, shellFill);
    painter.setPen(QPen(QColor(255, 255, 255, 70), 2));
    painter.drawPath(mouse);
    painter.setPen(GlyphPen(QColor(12, 12, 14), 3));
    painter.drawLine(QPointF(128, 46), QPointF(128, 104));
    painter.drawArc(QRectF(84, 70, 88, 60), 200 * 16, 140 * 16);
    FillVertical(painter, RoundedRect(QRectF(121, 64, 14, 28), 7), SkinColor::accentLight(),
                 SkinColor::accent());
}

void PaintKeyboardGlyph(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 20);
    painter.setPen(QPen(QColor(200, 200, 204), 1.3));
    painter.setBrush(QColor(255, 255, 255, 18));
    painter.drawRoundedRect(QRectF(1.5, 4.5, 17, 11), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 214, 218));
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 5; ++col)
            painter.drawRect(QRectF(3.6 + col * 2.9 + row * 0.8, 6.6 + row * 2.6, 1.7, 1.6));
    }
    painter.drawRoundedRect(QRectF(6, 12, 8, 1.6), 0.5, 0.5);
}

void PaintKeyGlyph(QPainter &painter, const QSizeF &size, bool down)
{
    UseUnitBox(painter, size, 16);
    const QColor color = down ? SkinColor::accent() : QColor(200, 200, 204);
    painter.setPen(GlyphPen(QColor(150, 150, 156), 1.6));
    painter.drawLine(QPointF(3, 14), QPointF(13, 14));
    painter.setPen(GlyphPen(color, 1.8));
    const qreal tip = down ? 11 : 2.5;
    const qreal tail = down ? 2.5 : 11;
    const qreal head = down ? -3.5 : 3.5;
    painter.drawLine(QPointF(8, tail), QPointF(8, tip));
    painter.drawLine(QPointF(8, tip), QPointF(4.5, tip + head));
    painter.drawLine(QPointF(8, tip), QPointF(11.5, tip + head));
}

void PaintMouseMoveGlyph(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 20);
    const QPainterPath mouse = MouseOutline(QRectF(6.5, 4.5, 7, 11));
    painter.setPen(QPen(QColor(214, 214, 218), 1.2));
    painter.setBrush(QColor(255, 255, 255, 22));
    painter.drawPath(mouse);
    painter.drawLine(QPointF(10, 4.8), QPointF(10, 8));
    painter.setPen(GlyphPen(SkinColor::accent(), 1.1));
    const QPointF tips[] = { { 10, 0.8 }, { 10, 19.2 }, { 0.8, 10 }, { 19.2, 10 } };
    for (const QPointF &tip : tips) {
        const QPointF towards = (QPointF(10, 10) - tip) / 9.2 * 2;
        const QPointF side(towards.y(), -towards.x());
        painter.drawLine(tip, tip + towards + side);
        painter.drawLine(tip, tip + towards - side);
    }
}

void PaintBullet(QPainter &painter, const QSizeF &size)
{
    UseUnitBox(painter, size, 28);
    painter.translate(14, 14);
    painter.rotate(45);
    const QRectF casing(-4, -1, 8, 12);
    QPainterPath tip(QPointF(-4, -1));
    tip.cubicTo(QPointF(-4, -7), QPointF(-1.5, -11), QPointF(0, -12.5));
    tip.cubicTo(QPointF(1.5, -11), QPointF(4, -7), QPointF(4, -1));
    tip.closeSubpath();
    QPainterPath whole = tip;
    whole.addRect(casing);
    SoftShadow(painter, whole.translated(1, 1), 1.2, 80);
    QLinearGradient brass(casing.topLeft(), casing.topRight());
    brass.setColorAt(0, QColor(150, 112, 48));
    brass.setColorAt(0.4, QColor(236, 200, 120));
    brass.setColorAt(1, QColor(128, 92, 36));
    painter.fillRect(casing, brass);
    QLinearGradient copper(QPointF(-4, 0), QPointF(4, 0));
    copper.setColorAt(0, QColor(150, 70, 36));
    copper.setColorAt(0.4, QColor(232, 140, 90));
    copper.setColorAt(1, QColor(120, 52, 26));
    painter.fillPath(tip, copper);
    painter.fillRect(QRectF(-4.6, 9, 9.2, 2), QColor(110, 80, 30));
    painter.fillRect(QRectF(-4, 1, 8, 0.8), QColor(90, 64, 24, 160));
}
