#pragma once

#include <QSizeF>

class QPainter;

// Painters of the single pictures; each paints in design units into a canvas of `size`.

// Backgrounds.
void PaintMainBackground(QPainter &painter, const QSizeF &size);
void PaintDialogBackground(QPainter &painter, const QSizeF &size);
void PaintGunDialogBackground(QPainter &painter, const QSizeF &size);
void PaintProgressBackground(QPainter &painter, const QSizeF &size);

// Controls; `hot` is the hover or pressed look, `pressed` the pressed one.
void PaintBatteryFrame(QPainter &painter, const QSizeF &size, bool onCable);
void PaintMenuButton(QPainter &painter, const QSizeF &size);
void PaintCloseButton(QPainter &painter, const QSizeF &size, int state);
void PaintMinimiseButton(QPainter &painter, const QSizeF &size, int state);
void PaintRoundArrow(QPainter &painter, const QSizeF &size, bool up, bool hot);
void PaintSquareArrow(QPainter &painter, const QSizeF &size, bool up, bool hot);
void PaintCheckBox(QPainter &painter, const QSizeF &size, bool checked);
void PaintSliderGroove(QPainter &painter, const QSizeF &size);
// A file button of the profile bar: a tray with an arrow into it (`into`) or out of it; state 1 normal,
// 2 hover, 3 pressed.
void PaintFileButton(QPainter &painter, const QSizeF &size, bool into, int state);
// The profile bar's applications button: a grid of four program tiles; state 1 normal, 2 hover, 3 pressed.
void PaintApplicationsButton(QPainter &painter, const QSizeF &size, int state);
void PaintYesGlyph(QPainter &painter, const QSizeF &size);
void PaintNoGlyph(QPainter &painter, const QSizeF &size);
// One frame of the progress spinner, `frame` of `frameCount`, on the progress background colour.
void PaintSpinnerFrame(QPainter &painter, const QSizeF &size, int frame, int frameCount);

// Icons.
void PaintWarningIcon(QPainter &painter, const QSizeF &size);
// The USB receiver; `waves` adds the radio arcs of a live link.
void PaintReceiver(QPainter &painter, const QSizeF &size, bool waves);
void PaintLightning(QPainter &painter, const QSizeF &size);
void PaintEmblem(QPainter &painter, const QSizeF &size);
void PaintAppIcon(QPainter &painter, const QSizeF &size);
void PaintKeyboardGlyph(QPainter &painter, const QSizeF &size);
void PaintKeyGlyph(QPainter &painter, const QSizeF &size, bool down);
void PaintMouseMoveGlyph(QPainter &painter, const QSizeF &size);
void PaintBullet(QPainter &painter, const QSizeF &size);

// The demo product's pictures.
void PaintMouseTop(QPainter &painter, const QSizeF &size);
void PaintMouseSide(QPainter &painter, const QSizeF &size);
