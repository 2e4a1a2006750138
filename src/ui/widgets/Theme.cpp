#include "ui/widgets/Theme.h"

#include "storage/AppSettings.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace {

// Both are read and written on the user-interface thread only.
double g_uiScale = 1.0;
int g_language = 0;
LanguageFont g_languageFont;

const QColor AccentTable[] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(219, 200, 182),
    QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 125, 0),
};
constexpr int AccentCount = int(sizeof(AccentTable) / sizeof(AccentTable[0]));

// A size that is missing from Config.ini reads as 0: keep the default size rather than an invisible font.
void setScaledPixelSize(QFont &font, double designPixelSize)
{
    const int pixels = Scaled(designPixelSize);
    if (pixels > 0)
        font.setPixelSize(pixels);
}

} // namespace

// The compiled-in pictures sit in this static library; referencing them from here keeps the linker
// from dropping them from any program that uses the theme. (Outside the namespace: the resource
// function has external linkage.)
static bool registerPictures()
{
    Q_INIT_RESOURCE(widgets);
    return true;
}
static const bool g_picturesRegistered = registerPictures();

double UiScale()
{
    return g_uiScale;
}

void SetUiScale(double scale)
{
    g_uiScale = scale;
}

int CurrentLanguage()
{
    return g_language;
}

void SetCurrentLanguage(int language, const LanguageFont &font)
{
    g_language = language;
    g_languageFont = font;
}

QColor AccentColorOf(int index)
{
    return AccentTable[index >= 0 && index < AccentCount ? index : 0];
}

void UseAccentColor(int index)
{
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Highlight, AccentColorOf(index));
    QGuiApplication::setPalette(palette);
}

QColor AccentColor()
{
    return QGuiApplication::palette().color(QPalette::Highlight);
}

QString AccentColorCss()
{
    const QColor accent = AccentColor();
    return QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
}

int Scaled(double designLength)
{
    return int(designLength * UiScale());
}

QRect ScaledRect(int x, int y, int width, int height)
{
    return QRect(Scaled(x), Scaled(y), Scaled(width), Scaled(height));
}

void PlaceWidget(QWidget *widget, int x, int y, int width, int height)
{
    widget->setGeometry(ScaledRect(x, y, width, height));
}

void RescaleWidget(QWidget *widget, double factor)
{
    const QRect current = widget->geometry();
    widget->setGeometry(int(current.x() * factor), int(current.y() * factor), int(current.width() * factor),
                        int(current.height() * factor));
}

QFont CurrentLanguageFont()
{
    const LanguageFont &settings = g_languageFont;
    QFont font;
    if (!settings.family.isEmpty())
        font.setFamily(settings.family);
    setScaledPixelSize(font, settings.size);
    return font;
}

QFont ScaledFont(const QString &family, int designPixelSize)
{
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    setScaledPixelSize(font, designPixelSize);
    return font;
}

bool IsKeyboardFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

void PaintFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Inside the plate's border, so a checked control's accent edge does not hide it.
    const qreal width = qMax(1.0, UiScale());
    const qreal inset = Scaled(3) + width / 2;
    painter.setPen(QPen(AccentColor(), width, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(inset, inset, -inset, -inset), 2, 2);
    painter.restore();
}
