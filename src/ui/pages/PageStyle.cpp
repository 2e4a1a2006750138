#include "ui/pages/PageStyle.h"

#include "storage/AppPaths.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

namespace {

// Pages restyle their controls on every refresh (after each reconnect, slot change and scale step).
// Setting an unchanged sheet again would still rebuild the widget's rules, and with them new
// indicator pictures that Qt's picture cache keeps beside the old ones, a little more every time.
void setSheet(QWidget *widget, const QString &sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

} // namespace

QFont PageFont(int designPixelSize)
{
    QFont font = CurrentLanguageFont();
    const int pixels = Scaled(designPixelSize);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

void StyleCheckBox(QCheckBox *box)
{
    // No colour rule here: the pages highlight texts through the palette.
    const int size = Scaled(16);
    setSheet(box,
             QStringLiteral("QCheckBox { spacing: %1px; background: transparent; }"
                            "QCheckBox::indicator { width: %2px; height: %2px; }"
                            "QCheckBox::indicator:unchecked { image: url(%3); }"
                            "QCheckBox::indicator:checked { image: url(%4); }"
                            "QCheckBox:focus { outline: none; border-bottom: 1px dotted %5; }")
                 .arg(Scaled(6))
                 .arg(size)
                 .arg(AppPaths::skinFile(QStringLiteral("/checkbox1-1.png")),
                      AppPaths::skinFile(QStringLiteral("/checkbox1-2.png")), AccentColorCss()));
    box->setFont(PageFont());
    SetTextColor(box, ThemeColor::text());
}

void StyleRadioButton(QRadioButton *button)
{
    const int size = Scaled(12);
    setSheet(button,
             QStringLiteral("QRadioButton { spacing: %1px; background: transparent; }"
                            "QRadioButton::indicator { width: %2px; height: %2px; border-radius: %3px;"
                            " border: %4px solid rgb(150,150,150); background: rgb(30,30,30); }"
                            "QRadioButton::indicator:checked { background: %5; border-color: %5; }"
                            "QRadioButton:focus { outline: none; border-bottom: 1px dotted %5; }")
                 .arg(Scaled(6))
                 .arg(size)
                 .arg(size / 2 + 1)
                 .arg(qMax(1, Scaled(1)))
                 .arg(AccentColorCss()));
    button->setFont(PageFont());
    SetTextColor(button, ThemeColor::text());
}

void StyleSlider(QSlider *slider)
{
    const int groove = qMax(2, Scaled(4));
    const int handle = qMax(6, Scaled(12));
    setSheet(
        slider,
        QStringLiteral(
            "QSlider { background: transparent; }"
            "QSlider::groove:horizontal { height: %1px; background: rgb(90,90,90); border-radius: %2px; }"
            "QSlider::sub-page:horizontal { background: %3; border-radius: %2px; }"
            "QSlider::handle:horizontal { width: %4px; margin: -%5px 0; border-radius: %6px;"
            " background: %3; border: 1px solid rgb(230,230,230); }"
            "QSlider::handle:horizontal:focus { border: 1px solid white; background: white; }")
            .arg(groove)
            .arg(groove / 2)
            .arg(AccentColorCss())
            .arg(handle)
            .arg((handle - groove) / 2)
            .arg(handle / 2));
}

void SetTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void StyleMenu(QMenu *menu)
{
    menu->setFont(PageFont(13));
    setSheet(menu,
             QStringLiteral("QMenu { background: rgb(25,25,25); color: white;"
                            " border: 1px solid rgb(80,80,80); }"
                            "QMenu::item { padding: %1px %2px; }"
                            "QMenu::item:selected { background: %3; }")
                 .arg(Scaled(4))
                 .arg(Scaled(14))
                 .arg(AccentColorCss()));
}

void StyleField(QWidget *field)
{
    // Its own background rule: the pages' transparent background would otherwise reach the field.
    // The arrows stay the style's own, drawn in the palette's button colours.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Button, ThemeColor::panel());
    palette.setColor(QPalette::ButtonText, ThemeColor::text());
    palette.setColor(QPalette::Text, ThemeColor::text());
    palette.setColor(QPalette::Base, QColor(20, 20, 20));
    palette.setColor(QPalette::Highlight, AccentColor());
    field->setPalette(palette);
    setSheet(
        field,
        QStringLiteral(
            "QSpinBox, QLineEdit { background: rgb(20,20,20); color: white; selection-background-color: %1;"
            " border: 1px solid rgb(90,90,90); border-radius: 2px; padding: 0 %2px; }"
            "QSpinBox:focus, QLineEdit:focus { border: 1px solid %1; }")
            .arg(AccentColorCss())
            .arg(Scaled(3)));
    field->setFont(PageFont(12));
}
