#include "ui/pages/ColorRules.h"

namespace {

int hexPart(const QString &digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok ? value : 0;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

} // namespace

QString HexText(const QColor &colour)
{
    return QStringLiteral("%1%2%3").arg(twoDigits(colour.red()), twoDigits(colour.green()),
                                        twoDigits(colour.blue()));
}

bool ColourFromTypedHex(const QString &text, QColor *colour)
{
    int r = 0, g = 0, b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = hexPart(text);
        break;
    case 3:
        r = hexPart(QString(2, text[0]));
        g = hexPart(QString(2, text[1]));
        b = hexPart(QString(2, text[2]));
        break;
    case 4:
        g = hexPart(text.mid(0, 2));
        b = hexPart(text.mid(2, 2));
        break;
    case 5:
        r = hexPart(text.mid(0, 1));
        g = hexPart(text.mid(1, 2));
        b = hexPart(text.mid(3, 2));
        break;
    case 6:
        r = hexPart(text.mid(0, 2));
        g = hexPart(text.mid(2, 2));
        b = hexPart(text.mid(4, 2));
        break;
    default:
        return false;
    }
    colour->setRgb(r, g, b, 255);
    return true;
}

QString FinishedHexText(const QString &text)
{
    switch (text.size()) {
    case 0:
        return QStringLiteral("000000");
    case 3:
        return QString(2, text[0]) + QString(2, text[1]) + QString(2, text[2]);
    case 1:
    case 2:
    case 4:
    case 5:
        return QString(6 - text.size(), QLatin1Char('0')) + text;
    default:
        return text;
    }
}

int HueFromStrip(int y, int stripHeight, int topMargin)
{
    if (stripHeight <= 0)
        return 0;
    const double fraction = qBound(0.0, 1.0 - double(y - topMargin) / stripHeight, 1.0);
    return int(fraction * 360);
}

int StripYFromHue(int hue, int stripHeight, int topMargin)
{
    return topMargin + int((1.0 - qBound(0, hue, 360) / 360.0) * stripHeight);
}

int SquareToLevel(int pixels, double scale)
{
    if (pixels > 127 * scale)
        return 255;
    return qMax(0, int(pixels * 2 / scale));
}

int LevelToSquare(int level, double scale)
{
    // Full saturation or value lands on the far edge itself, not half a step short of it.
    if (level >= 255)
        return int(128 * scale);
    return int(qMax(0, level) * scale / 2);
}
