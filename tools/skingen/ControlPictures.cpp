#include "SkinCanvas.h"
#include "SkinPictures.h"

#include <QConicalGradient>
#include <QPainter>
#include <QtMath>

namespace {

QPen GlyphPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath Chevron(const QPointF &centre, qreal half, bool up)
{
    const qreal dy = up ? -half / 2 : half / 2;
    QPainterPath path(centre + QPointF(-half, -dy));
    path.lineTo(centre + QPointF(0, dy));
    path.lineTo(centre + QPointF(half, -dy));
    return path;
}

QPainterPath LightningBolt(const QRectF &box)
{
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath bolt(at(0.62, 0.0));
    bolt.lineTo(at(0.12, 0.58));
    bolt.lineTo(at(0.46, 0.58));
    bolt.lineTo(at(0.36, 1.0));
    bolt.lineTo(at(0.88, 0.40));
    bolt.lineTo(at(0.54, 0.40));
    bolt.closeSubpath();
    return bolt;
}

// A rounded key plate for the window buttons' hover and pressed states.
void WindowButtonPlate(QPainter &painter, const QSizeF &size, const QColor &top, const QColor &bottom)
{
    FillVertical(painter, RoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), 6), top, bottom);
}

} // namespace

void PaintBatteryFrame(QPainter &painter, const QSizeF &size, bool onCable)
{
    const qreal cy = size.height() / 2;
    const QRectF body(6, cy - 14, 68, 28);
    const QPainterPath shell = RoundedRect(body, 6);
    SoftShadow(painter, shell.translated(0, 1), 2.5, 70);
    FillVertical(painter, shell, QColor(112, 112, 118), QColor(62, 62, 66));
    FillVertical(painter, RoundedRect(body.adjusted(2, 2, -2, -2), 4), QColor(14, 14, 16),
                 QColor(26, 26, 29));
    FillVertical(painter, RoundedRect(QRectF(body.right() + 1, cy - 6, 5, 12), 2), QColor(120, 120, 126),
                 QColor(70, 70, 74));
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    painter.drawLine(QPointF(body.left() + 6, body.top() + 0.5), QPointF(body.right() - 6, body.top() + 0.5));
    if (!onCable)
        return;
    // Powered by the cable: a bolt instead of a level.
    const QRectF boltBox(body.center().x() - 7, body.top() + 5, 14, body.height() - 10);
    const QPainterPath bolt = LightningBolt(boltBox);
    painter.setPen(GlyphPen(QColor(0, 0, 0, 90), 1.5));
    painter.drawPath(bolt.translated(0, 0.6));
    painter.setPen(Qt::NoPen);
    FillVertical(painter, bolt, SkinColor::accentLight(), SkinColor::accent());
}

void PaintMenuButton(QPainter &painter, const QSizeF &size)
{
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
    const QPainterPath plate = RoundedRect(box, 4);
    FillVertical(painter, plate, QColor(28, 28, 31), QColor(15, 15, 17));
    painter.setPen(QPen(QColor(80, 80, 85), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(plate);
    const qreal caretX = size.width() - 15;
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    painter.drawLine(QPointF(caretX - 12, 6), QPointF(caretX - 12, size.height() - 6));
    painter.setPen(GlyphPen(QColor(220, 220, 222), 1.6));
    painter.drawPath(Chevron(QPointF(caretX, size.height() / 2), 4, false));
}

void PaintCloseButton(QPainter &painter, const QSizeF &size, int state)
{
    if (state == 2)
        WindowButtonPlate(painter, size, QColor(214, 52, 38), QColor(178, 36, 26));
    else if (state == 3)
        WindowButtonPlate(painter, size, QColor(140, 28, 20), QColor(120, 24, 18));
    const QPointF c(size.width() / 2, size.height() / 2);
    painter.setPen(GlyphPen(state == 1 ? SkinColor::glyph() : SkinColor::glyphHot(), 1.7));
    painter.drawLine(c + QPointF(-5.5, -5.5), c + QPointF(5.5, 5.5));
    painter.drawLine(c + QPointF(-5.5, 5.5), c + QPointF(5.5, -5.5));
}

// The small square plate of the profile bar's picture buttons, in its state (1 normal, 2 hover,
// 3 pressed); returns the colour of the glyph drawn on it.
static QColor PaintSmallPlate(QPainter &painter, const QSizeF &size, int state)
{
    const QRectF plate = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    const QColor top = state == 1 ? QColor(56, 56, 60) : state == 2 ? QColor(74, 74, 79) : QColor(40, 40, 44);
    FillVertical(painter, RoundedRect(plate, 3), top, top.darker(125));
    painter.setPen(QPen(state == 3 ? SkinColor::accent() : QColor(100, 100, 100), state == 3 ? 1.4 : 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(plate, 3));
    return state == 1 ? SkinColor::glyph() : SkinColor::glyphHot();
}

void PaintFileButton(QPainter &painter, const QSizeF &size, bool into, int state)
{
    const QColor glyph = PaintSmallPlate(painter, size, state);
    const QPointF c(size.width() / 2, size.height() / 2);
    painter.setPen(GlyphPen(glyph, 1.6));
    // The tray.
    QPainterPath tray(c + QPointF(-7, 2));
    tray.lineTo(c + QPointF(-7, 7));
    tray.lineTo(c + QPointF(7, 7));
    tray.lineTo(c + QPointF(7, 2));
    painter.drawPath(tray);
    // The arrow: down into the tray, or up out of it.
    painter.setPen(GlyphPen(state == 1 ? glyph : SkinColor::accentLight(), 1.8));
    const qreal tip = into ? 4 : -8;
    const qreal tail = into ? -8 : 4;
    painter.drawLine(c + QPointF(0, tail), c + QPointF(0, tip));
    painter.drawPath(Chevron(c + QPointF(0, into ? tip - 1.5 : tip + 1.5), 4, !into));
}

void PaintApplicationsButton(QPainter &painter, const QSizeF &size, int state)
{
    const QColor glyph = PaintSmallPlate(painter, size, state);
    const QPointF c(size.width() / 2, size.height() / 2);
    constexpr qreal Tile = 6;
    constexpr qreal Gap = 2.5;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRectF tile(c.x() - Tile - Gap / 2 + column * (Tile + Gap),
                              c.y() - Tile - Gap / 2 + row * (Tile + Gap), Tile, Tile);
            // The tile in front: the one the mouse follows.
            const bool front = row == 1 && column == 1;
            painter.setPen(GlyphPen(front && state != 1 ? SkinColor::accentLight() : glyph, 1.4));
            painter.setBrush(front ? QBrush(state == 1 ? glyph : SkinColor::accentLight())
                                   : QBrush(Qt::NoBrush));
            painter.drawRoundedRect(tile, 1.2, 1.2);
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void PaintMinimiseButton(QPainter &painter, const QSizeF &size, int state)
{
    if (state == 2)
        WindowButtonPlate(painter, size, QColor(72, 72, 77), QColor(56, 56, 60));
    else if (state == 3)
        WindowButtonPlate(painter, size, QColor(44, 44, 48), QColor(38, 38, 42));
    const QPointF c(size.width() / 2, size.height() / 2 + 1);
    painter.setPen(GlyphPen(state == 1 ? SkinColor::glyph() : SkinColor::glyphHot(), 1.7));
    painter.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
}

void PaintRoundArrow(QPainter &painter, const QSizeF &size, bool up, bool hot)
{
    const QPointF c(size.width() / 2, size.height() / 2);
    const qreal r = qMin(size.width(), size.height()) / 2 - 2;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    SoftShadow(painter, disc.translated(0, 0.8), 1.5, 60);
    FillVertical(painter, disc, QColor(44, 44, 48), QColor(24, 24, 27));
    if (hot)
        painter.fillPath(disc, WithAlpha(SkinColor::accent(), 46));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(hot ? SkinColor::accent() : QColor(96, 96, 102), 1.4));
    painter.drawEllipse(c, r - 0.7, r - 0.7);
    painter.setPen(GlyphPen(hot ? SkinColor::glyphHot() : QColor(200, 200, 204), 2));
    painter.drawPath(Chevron(c + QPointF(0, up ? -0.5 : 0.5), r * 0.38, up));
}

void PaintSquareArrow(QPainter &painter, const QSizeF &size, bool up, bool hot)
{
    const QRectF box(2, 2, size.width() - 4, size.height() - 4);
    const QPainterPath plate = RoundedRect(box, 5);
    SoftShadow(painter, plate.translated(0, 0.8), 1.5, 60);
    if (hot)
        FillVertical(painter, plate, SkinColor::accentLight(), SkinColor::accent());
    else
        FillVertical(painter, plate, QColor(62, 62, 67), QColor(40, 40, 44));
    painter.setPen(QPen(QColor(255, 255, 255, hot ? 90 : 30), 1));
    painter.drawLine(QPointF(box.left() + 4, box.top() + 0.5), QPointF(box.right() - 4, box.top() + 0.5));
    const QPointF c = box.center();
    const qreal s = box.width() * 0.22;
    const qreal dir = up ? -1 : 1;
    QPainterPath triangle(c + QPointF(0, dir * s));
    triangle.lineTo(c + QPointF(-s * 1.2, -dir * s * 0.7));
    triangle.lineTo(c + QPointF(s * 1.2, -dir * s * 0.7));
    triangle.closeSubpath();
    painter.setPen(GlyphPen(hot ? QColor(255, 255, 255) : QColor(214, 214, 218), 1.2));
    painter.setBrush(hot ? QColor(255, 255, 255) : QColor(214, 214, 218));
    painter.drawPath(triangle);
}

void PaintCheckBox(QPainter &painter, const QSizeF &size, bool checked)
{
    const QRectF box(2, 2, size.width() - 4, size.height() - 4);
    const QPainterPath plate = RoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3.5);
    if (checked) {
        FillVertical(painter, plate, SkinColor::accentLight(), SkinColor::accent());
        painter.setPen(GlyphPen(QColor(255, 255, 255), 2.2));
        QPainterPath tick(QPointF(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52));
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
        tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.30);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else {
        FillVertical(painter, plate, QColor(16, 16, 18), QColor(30, 30, 33));
        painter.setPen(QPen(QColor(128, 128, 134), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(plate);
    }
}

void PaintSliderGroove(QPainter &painter, const QSizeF &size)
{
    const qreal w = size.width();
    const QRectF track(4, size.height() / 2 - 4, w - 8, 6);
    const QPainterPath groove = RoundedRect(track, 3);
    FillVertical(painter, groove, QColor(12, 12, 14), QColor(46, 46, 50));
    QLinearGradient start(track.topLeft(), track.topLeft() + QPointF(40, 0));
    start.setColorAt(0, SkinColor::accent());
    start.setColorAt(1, WithAlpha(SkinColor::accent(), 0));
    painter.fillPath(groove, start);
    painter.setPen(QPen(QColor(255, 255, 255, 26), 1));
    painter.drawLine(QPointF(track.left() + 3, track.bottom() + 0.5),
                     QPointF(track.right() - 3, track.bottom() + 0.5));
    painter.setPen(QPen(QColor(96, 96, 102), 1));
    constexpr int Ticks = 10;
    for (int i = 0; i <= Ticks; ++i) {
        const qreal x = track.left() + 3 + (track.width() - 6) * i / Ticks;
        painter.drawLine(QPointF(x, track.bottom() + 3), QPointF(x, track.bottom() + (i % 5 == 0 ? 7 : 5)));
    }
}

void PaintYesGlyph(QPainter &painter, const QSizeF &size)
{
    const qreal s = size.width();
    painter.setPen(GlyphPen(SkinColor::accent(), s * 0.15));
    QPainterPath tick(QPointF(s * 0.16, s * 0.54));
    tick.lineTo(s * 0.40, s * 0.78);
    tick.lineTo(s * 0.86, s * 0.24);
    painter.drawPath(tick);
}

void PaintNoGlyph(QPainter &painter, const QSizeF &size)
{
    const qreal s = size.width();
    painter.setPen(GlyphPen(QColor(210, 210, 214), s * 0.14));
    painter.drawLine(QPointF(s * 0.22, s * 0.22), QPointF(s * 0.78, s * 0.78));
    painter.drawLine(QPointF(s * 0.22, s * 0.78), QPointF(s * 0.78, s * 0.22));
}

void PaintSpinnerFrame(QPainter &painter, const QSizeF &size, int frame, int frameCount)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), SkinColor::window());
    const QPointF c(size.width() / 2, size.height() / 2);
    const qreal r = size.width() * 0.24;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(52, 52, 56), 4));
    painter.drawEllipse(c, r, r);

    // The head leads clockwise; the tail fades into the track behind it.
    const qreal head = 90.0 - 360.0 * frame / frameCount;
    constexpr qreal Sweep = 270.0;
    QConicalGradient tail(c, head);
    tail.setColorAt(0, SkinColor::accent());
    tail.setColorAt(0.35, WithAlpha(SkinColor::accent(), 150));
    tail.setColorAt(Sweep / 360.0, WithAlpha(SkinColor::accent(), 0));
    tail.setColorAt(1, WithAlpha(SkinColor::accent(), 0));
    painter.setPen(QPen(QBrush(tail), 6, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(head * 16), int(Sweep * 16));
    const qreal a = qDegreesToRadians(head);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinColor::accentLight());
    painter.drawEllipse(c + QPointF(r * qCos(a), -r * qSin(a)), 3.0, 3.0);
}
