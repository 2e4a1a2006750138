#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

// The colour dialog's conversions, free of widgets.

// The colour as six lowercase hexadecimal digits ("ff8800").
QString HexText(const QColor &colour);
// The colour a partly typed hexadecimal text stands for: 1-2 digits are blue, 3 digits a short
// web colour, 4 digits green and blue, 5 digits one red digit then green and blue, 6 digits all
// three. False for an empty text or one longer than six. A part with an invalid digit reads as 0.
bool ColourFromTypedHex(const QString &text, QColor *colour);
// The six-digit form of a typed text when editing ends ("f80" -> "ff8800", "" -> "000000").
QString FinishedHexText(const QString &text);

// Hue (0 to 360) at height `y` of a hue strip of `stripHeight` pixels drawn `topMargin` pixels down.
int HueFromStrip(int y, int stripHeight, int topMargin);
// Height in the strip of hue `hue` (0 to 360).
int StripYFromHue(int hue, int stripHeight, int topMargin);
// Saturation or value (0 to 255) of a square coordinate (0 to the side, 128 design units).
int SquareToLevel(int pixels, double scale);
// Square coordinate of a saturation or value, so that 255 sits on the far edge.
int LevelToSquare(int level, double scale);
