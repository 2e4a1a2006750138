#pragma once

#include "storage/AppSettings.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// Process-wide look of every window: display scale, accent colour, fonts and the fixed dark palette.

// The display scale factor (1.0 to 5.0 in steps of 0.25); 1.0 until the main window chooses one.
double UiScale();
// Sets the display scale factor; only the main window calls this.
void SetUiScale(double scale);

// Index of the interface language whose font every widget uses; 0 until the main window sets it.
int CurrentLanguage();
// Sets the interface language index and its font (the main window, on start and on a language change).
void SetCurrentLanguage(int language, const LanguageFont &font);

// The accent colour of index `index` ("Config/GColorID"); an index outside the table gives red.
QColor AccentColorOf(int index);
// Makes the accent colour of `index` the one every widget draws with (the application palette's
// highlight, which style sheets and list selections follow too).
void UseAccentColor(int index);
// The accent colour in use: the application palette's highlight.
QColor AccentColor();
// The accent colour as "rgb(r,g,b)" for style sheets.
QString AccentColorCss();

// A design length in pixels at the current scale, truncated.
int Scaled(double designLength);
// A design rectangle at the current scale: each of x, y, width and height multiplied and truncated.
QRect ScaledRect(int x, int y, int width, int height);
// Places `widget` at a design rectangle at the current scale.
void PlaceWidget(QWidget *widget, int x, int y, int width, int height);
// Multiplies the current left, top, width and height of `widget` by `factor`.
void RescaleWidget(QWidget *widget, double factor);

// The current language's font, its pixel size multiplied by the scale.
QFont CurrentLanguageFont();
// `family` at a design pixel size multiplied by the scale; monospace fallback where the family is missing.
QFont ScaledFont(const QString &family, int designPixelSize);

// True when focus arriving for `reason` came from the keyboard: only then is it drawn, as desktop
// toolkits do, so a click leaves no focus frame behind.
bool IsKeyboardFocusReason(Qt::FocusReason reason);
// Draws the keyboard focus frame (a dotted accent line) inside `rect`, clear of a control's border.
void PaintFocusFrame(QPainter &painter, const QRect &rect);

// The fixed colours of the dark theme around the accent colour.
namespace ThemeColor {
// Window background.
inline QColor window()
{
    return QColor(30, 30, 30);
}
// Panel and raised background.
inline QColor panel()
{
    return QColor(50, 50, 50);
}
// Main text.
inline QColor text()
{
    return QColor(255, 255, 255);
}
// Secondary text.
inline QColor softText()
{
    return QColor(225, 225, 225);
}
// Disabled parts.
inline QColor disabled()
{
    return QColor(100, 100, 100);
}
// Unfilled parts of bars and grooves.
inline QColor unfilled()
{
    return QColor(150, 150, 150);
}
// Translucent overlay over pictures.
inline QColor overlay()
{
    return QColor(33, 35, 35, 128);
}
} // namespace ThemeColor
