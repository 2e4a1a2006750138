#include "SkinCanvas.h"
#include "SkinPictures.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

// Top view outline, origin at the front centre, 272 units long and about 150 wide.
QPainterPath TopOutline()
{
    QPainterPath path(QPointF(0, 0));
    path.cubicTo(QPointF(40, -2), QPointF(60, 12), QPointF(62, 42));
    path.cubicTo(QPointF(64, 82), QPointF(62, 112), QPointF(64, 142));
    path.cubicTo(QPointF(66, 176), QPointF(74, 206), QPointF(71, 236));
    path.cubicTo(QPointF(68, 262), QPointF(40, 274), QPointF(0, 274));
    path.cubicTo(QPointF(-40, 274), QPointF(-68, 262), QPointF(-71, 236));
    path.cubicTo(QPointF(-74, 206), QPointF(-66, 176), QPointF(-64, 142));
    path.cubicTo(QPointF(-62, 112), QPointF(-64, 82), QPointF(-62, 42));
    path.cubicTo(QPointF(-60, 12), QPointF(-40, -2), QPointF(0, 0));
    return path;
}

// A matte texture of small diamonds for rubber grips.
void GripTexture(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 14));
    const qreal step = 5;
    int row = 0;
    for (qreal y = area.top(); y < area.bottom(); y += step * 0.8, ++row) {
        for (qreal x = area.left() + (row % 2) * step / 2; x < area.right(); x += step) {
            QPolygonF diamond;
            diamond << QPointF(x, y - 1.2) << QPointF(x + 1.2, y) << QPointF(x, y + 1.2)
                    << QPointF(x - 1.2, y);
            painter.drawPolygon(diamond);
        }
    }
    painter.restore();
}

// A horizontal shading that makes a flat shape read as a rounded shell.
QLinearGradient ShellShading(qreal left, qreal right, const QColor &edge, const QColor &middle)
{
    QLinearGradient shading(QPointF(left, 0), QPointF(right, 0));
    shading.setColorAt(0, edge.darker(130));
    shading.setColorAt(0.18, edge);
    shading.setColorAt(0.42, middle);
    shading.setColorAt(0.6, middle.darker(112));
    shading.setColorAt(0.85, edge);
    shading.setColorAt(1, edge.darker(150));
    return shading;
}

void Seam(QPainter &painter, const QPainterPath &path)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 26), 1, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path.translated(0.9, 0.9));
    painter.setPen(QPen(QColor(6, 6, 8), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

void Wheel(QPainter &painter, const QRectF &slot)
{
    painter.fillPath(RoundedRect(slot, slot.width() / 2), QColor(8, 8, 10));
    const QRectF wheel = slot.adjusted(3, 3, -3, -3);
    const QPainterPath wheelPath = RoundedRect(wheel, wheel.width() / 2);
    QLinearGradient roll(wheel.topLeft(), wheel.bottomLeft());
    roll.setColorAt(0, QColor(24, 24, 26));
    roll.setColorAt(0.45, QColor(92, 92, 98));
    roll.setColorAt(1, QColor(20, 20, 22));
    painter.fillPath(wheelPath, roll);
    painter.save();
    painter.setClipPath(wheelPath);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
    for (qreal y = wheel.top() + 2; y < wheel.bottom(); y += 3)
        painter.drawLine(QPointF(wheel.left(), y), QPointF(wheel.right(), y));
    painter.restore();
    painter.setPen(QPen(WithAlpha(SkinColor::accent(), 170), 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(wheel.adjusted(-0.6, -0.6, 0.6, 0.6), wheel.width() / 2 + 0.6));
}

// Fills an ellipse of radii rx, ry around `centre` with a radial gradient of `stops`.
void EllipticalGradient(QPainter &painter, const QPointF &centre, qreal rx, qreal ry,
                        const QGradientStops &stops)
{
    painter.save();
    painter.translate(centre);
    painter.scale(1, ry / rx);
    QRadialGradient gradient(QPointF(0, 0), rx);
    gradient.setStops(stops);
    painter.fillRect(QRectF(-rx, -rx, 2 * rx, 2 * rx), gradient);
    painter.restore();
}

void Highlight(QPainter &painter, const QPointF &centre, qreal rx, qreal ry, int alpha)
{
    EllipticalGradient(painter, centre, rx, ry,
                       { { 0, QColor(255, 255, 255, alpha) }, { 1, QColor(255, 255, 255, 0) } });
}

void FloorShadow(QPainter &painter, const QPointF &centre, qreal rx, qreal ry, int alpha)
{
    EllipticalGradient(
        painter, centre, rx, ry,
        { { 0, QColor(0, 0, 0, alpha) }, { 0.7, QColor(0, 0, 0, alpha / 3) }, { 1, QColor(0, 0, 0, 0) } });
}

} // namespace

void PaintMouseTop(QPainter &painter, const QSizeF &size)
{
    const qreal unit = qMin(size.width(), size.height()) / 320;
    painter.translate(size.width() / 2, (size.height() - 274 * unit) / 2);
    painter.scale(unit, unit);

    const QPainterPath outline = TopOutline();
    FloorShadow(painter, QPointF(0, 150), 100, 160, 150);

    // Rubber side grips under a narrower glossy top shell.
    painter.fillPath(outline, ShellShading(-75, 75, QColor(26, 26, 28), QColor(40, 40, 43)));
    painter.save();
    painter.setClipPath(outline);
    GripTexture(painter, QRectF(-80, 60, 160, 200));
    painter.restore();

    QTransform narrow;
    narrow.scale(0.8, 1.0);
    const QPainterPath shell = narrow.map(outline).intersected(outline);
    painter.fillPath(shell, ShellShading(-60, 60, QColor(36, 36, 40), QColor(78, 78, 86)));
    QLinearGradient depth(QPointF(0, 0), QPointF(0, 274));
    depth.setColorAt(0, QColor(0, 0, 0, 40));
    depth.setColorAt(0.55, QColor(0, 0, 0, 0));
    depth.setColorAt(1, QColor(0, 0, 0, 70));
    painter.fillPath(shell, depth);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shell);

    // Main buttons: a centre split and their rear edge.
    QPainterPath split(QPointF(0, 0.5));
    split.lineTo(0, 30);
    Seam(painter, split);
    QPainterPath splitRear(QPointF(0, 90));
    splitRear.lineTo(0, 112);
    Seam(painter, splitRear);
    QPainterPath rearEdge(QPointF(-47, 120));
    rearEdge.cubicTo(QPointF(-26, 108), QPointF(26, 108), QPointF(47, 120));
    Seam(painter, rearEdge);
    Wheel(painter, QRectF(-9, 30, 18, 58));
    FillVertical(painter, RoundedRect(QRectF(-6, 95, 12, 17), 4), QColor(96, 96, 104), QColor(36, 36, 40));
    painter.setPen(QPen(QColor(255, 255, 255, 50), 0.8));
    painter.drawLine(QPointF(-3, 96), QPointF(3, 96));
    painter.fillRect(QRectF(-3, 101.5, 6, 1.6), SkinColor::accent());

    // The lit emblem on the palm.
    QRadialGradient halo(QPointF(0, 196), 40);
    halo.setColorAt(0, WithAlpha(SkinColor::accent(), 70));
    halo.setColorAt(1, WithAlpha(SkinColor::accent(), 0));
    painter.save();
    painter.setClipPath(shell);
    painter.fillRect(QRectF(-40, 156, 80, 80), halo);
    painter.restore();
    painter.save();
    painter.translate(-22, 174);
    PaintEmblem(painter, QSizeF(44, 44));
    painter.restore();

    Highlight(painter, QPointF(-22, 80), 26, 70, 46);
    Highlight(painter, QPointF(-26, 190), 22, 50, 26);
    painter.setPen(QPen(QColor(255, 255, 255, 36), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

void PaintMouseSide(QPainter &painter, const QSizeF &size)
{
    const qreal unit = qMin(size.width(), size.height()) / 320;
    painter.translate((size.width() - 272 * unit) / 2, size.height() / 2 + 50 * unit);
    painter.scale(unit, unit);

    // Side outline, front on the left, base on y = 0.
    QPainterPath body(QPointF(8, 0));
    body.cubicTo(QPointF(2, -8), QPointF(-1, -22), QPointF(3, -34));
    body.cubicTo(QPointF(50, -52), QPointF(120, -78), QPointF(178, -82));
    body.cubicTo(QPointF(236, -85), QPointF(270, -62), QPointF(272, -32));
    body.cubicTo(QPointF(273, -14), QPointF(268, -4), QPointF(262, 0));
    body.closeSubpath();

    FloorShadow(painter, QPointF(136, 2), 150, 10, 170);

    // The wheel shows above the front of the shell.
    const QPointF hub(62, -53);
    QRadialGradient wheelFill(hub, 13);
    wheelFill.setColorAt(0, QColor(80, 80, 86));
    wheelFill.setColorAt(1, QColor(14, 14, 16));
    painter.setPen(QPen(WithAlpha(SkinColor::accent(), 150), 1));
    painter.setBrush(wheelFill);
    painter.drawEllipse(hub, 12, 12);

    QLinearGradient shade(QPointF(0, -85), QPointF(0, 0));
    shade.setColorAt(0, QColor(84, 84, 92));
    shade.setColorAt(0.25, QColor(50, 50, 55));
    shade.setColorAt(1, QColor(20, 20, 22));
    painter.fillPath(body, shade);
    painter.save();
    painter.setClipPath(body, Qt::IntersectClip);

    // Rubber thumb grip.
    QPainterPath grip(QPointF(34, -10));
    grip.cubicTo(QPointF(32, -24), QPointF(60, -30), QPointF(120, -32));
    grip.cubicTo(QPointF(180, -34), QPointF(226, -30), QPointF(236, -16));
    grip.cubicTo(QPointF(238, -8), QPointF(230, -6), QPointF(220, -6));
    grip.lineTo(44, -6);
    grip.closeSubpath();
    painter.fillPath(grip, QColor(24, 24, 26));
    painter.save();
    painter.setClipPath(grip);
    GripTexture(painter, grip.boundingRect());
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(grip);

    // Main button edge and the two thumb buttons.
    QPainterPath buttonEdge(QPointF(4, -35));
    buttonEdge.cubicTo(QPointF(40, -46), QPointF(92, -58), QPointF(130, -66));
    buttonEdge.cubicTo(QPointF(136, -69), QPointF(139, -74), QPointF(141, -81));
    Seam(painter, buttonEdge);
    // Thumb buttons between the main button's edge and the grip, following the shell's rise.
    const QRectF thumbs[] = { QRectF(58, -45, 44, 10), QRectF(108, -50, 44, 10) };
    for (const QRectF &thumb : thumbs) {
        const QPainterPath key = RoundedRect(thumb, 5);
        painter.fillPath(key.translated(0, 1.5), QColor(0, 0, 0, 120));
        FillVertical(painter, key, QColor(104, 104, 112), QColor(38, 38, 42));
        painter.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
        painter.drawLine(QPointF(thumb.left() + 5, thumb.top() + 1.2),
                         QPointF(thumb.right() - 5, thumb.top() + 1.2));
    }

    // Base plate, feet and the light strip above them.
    painter.fillRect(QRectF(10, -4, 250, 4), QColor(10, 10, 12));
    painter.fillRect(QRectF(18, -1, 26, 1.6), QColor(120, 120, 126));
    painter.fillRect(QRectF(224, -1, 26, 1.6), QColor(120, 120, 126));
    QPainterPath strip(QPointF(14, -5));
    strip.lineTo(258, -5);
    for (int i = 4; i >= 1; --i) {
        painter.setPen(QPen(WithAlpha(SkinColor::accent(), 24), 2.2 * i, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(strip);
    }
    painter.setPen(QPen(SkinColor::accentLight(), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(strip);

    QPainterPath ridge(QPointF(20, -40));
    ridge.cubicTo(QPointF(70, -58), QPointF(130, -78), QPointF(182, -80));
    ridge.cubicTo(QPointF(226, -82), QPointF(256, -66), QPointF(264, -46));
    painter.setPen(QPen(QColor(255, 255, 255, 50), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(ridge);
    painter.restore();
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}
