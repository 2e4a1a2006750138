#include "ui/pages/PageStyle.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "ui/pages/ConfigPage.h"
#include "ui/widgets/TarnSpinBox.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

namespace {

// Pages restyle their controls on every refresh (after each reconnect, slot change and scale step).
// Setting an unchanged sheet again would still rebuild the widget's rules, and with them new
// pictures that Qt's picture cache keeps beside the old ones, a little more every time.
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

namespace {

// Marks the controls the page rules below apply to.
const char *const PageControlProperty = "pageControl";
const char *const FlatHandleProperty = "flatHandle";

// The rules of every styled page control, at the current scale: set once on the page rather than
// on each control, so that Qt parses them once.
QString pageControlRules()
{
    const int box = Scaled(16);
    const int radio = Scaled(12);
    const int groove = qMax(2, Scaled(4));
    const int handle = SliderHandleHeight();
    const int flatMargin = qMax(1, Scaled(1));
    // No colour rule for the check boxes: the pages highlight texts through the palette.
    return QStringLiteral(
               "QCheckBox[pageControl=\"true\"] { spacing: %1px; background: transparent; }"
               "QCheckBox[pageControl=\"true\"]::indicator { width: %2px; height: %2px; }"
               "QCheckBox[pageControl=\"true\"]:focus { outline: none; border-bottom: 1px dotted %3; }"
               "QRadioButton[pageControl=\"true\"] { spacing: %1px; background: transparent; }"
               "QRadioButton[pageControl=\"true\"]::indicator { width: %4px; height: %4px; border-radius: "
               "%5px;"
               " border: %6px solid rgb(150,150,150); background: rgb(30,30,30); }"
               "QRadioButton[pageControl=\"true\"]::indicator:checked { background: %3; border-color: %3; }"
               "QRadioButton[pageControl=\"true\"]:focus { outline: none; border-bottom: 1px dotted %3; }")
               .arg(Scaled(6))
               .arg(box)
               .arg(AccentColorCss())
               .arg(radio)
               .arg(radio / 2 + 1)
               .arg(qMax(1, Scaled(1)))
        + QStringLiteral(
              "QSlider[pageControl=\"true\"] { background: transparent; }"
              "QSlider[pageControl=\"true\"]::groove:horizontal { height: %1px; background: rgb(90,90,90);"
              " border-radius: %2px; }"
              "QSlider[pageControl=\"true\"]::sub-page:horizontal { background: %3; border-radius: %2px; }"
              "QSlider[pageControl=\"true\"]::handle:horizontal { width: %4px; margin: -%5px 0; "
              "border-radius: %6px;"
              " background: %3; border: 1px solid rgb(230,230,230); }"
              "QSlider[pageControl=\"true\"]::handle:horizontal:focus { border: 1px solid white; background: "
              "white; }")
              .arg(groove)
              .arg(groove / 2)
              .arg(AccentColorCss())
              .arg(handle)
              .arg((handle - groove) / 2)
              .arg(handle / 2)
        // A slider lower than the handle (two stacked in a short row) gets a flat handle that fits it.
        + QStringLiteral(
              "QSlider[pageControl=\"true\"][flatHandle=\"true\"]::handle:horizontal { margin: -%1px 0;"
              " border-radius: %2px; }")
              .arg(flatMargin)
              .arg(groove / 2 + flatMargin);
}

// Puts `control` under the page rules: on the page it stands on, or on itself when it stands on none.
void applyPageRules(QWidget *control)
{
    const bool marked = control->property(PageControlProperty).toBool();
    control->setProperty(PageControlProperty, true);
    ConfigPage *page = nullptr;
    for (QWidget *up = control->parentWidget(); up && !page; up = up->parentWidget())
        page = qobject_cast<ConfigPage *>(up);
    const QString rules = pageControlRules();
    if (!page) {
        setSheet(control, rules);
        return;
    }
    if (!control->styleSheet().isEmpty())
        control->setStyleSheet(QString());
    const QString sheet = ConfigPage::BaseStyleSheet + rules;
    if (page->styleSheet() != sheet) {
        // Qt keeps the old rules of a page not polished yet: polished, it gives its controls the new.
        page->ensurePolished();
        page->setStyleSheet(sheet);
    } else if (!marked && control->testAttribute(Qt::WA_WState_Polished)) {
        // Rules are matched when a control is polished: one polished before it was marked is again.
        control->style()->unpolish(control);
        control->style()->polish(control);
    }
}

} // namespace

void StyleCheckBox(QCheckBox *box)
{
    applyPageRules(box);
    UseCheckBoxPictures(box);
    box->setFont(PageFont());
    SetTextColor(box, ThemeColor::text());
}

void StyleRadioButton(QRadioButton *button)
{
    applyPageRules(button);
    button->setFont(PageFont());
    SetTextColor(button, ThemeColor::text());
}

void StyleSlider(QSlider *slider)
{
    applyPageRules(slider);
}

int SliderHandleHeight()
{
    return qMax(6, Scaled(12));
}

void SetFlatSliderHandle(QSlider *slider, bool flat)
{
    if (slider->property(FlatHandleProperty).toBool() == flat)
        return;
    slider->setProperty(FlatHandleProperty, flat);
    // The rules are matched when a control is polished.
    if (slider->testAttribute(Qt::WA_WState_Polished)) {
        slider->style()->unpolish(slider);
        slider->style()->polish(slider);
    }
    slider->update();
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
    // A number box's step buttons get plates here; TarnSpinBox paints the arrows on them.
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
                .arg(Scaled(3))
            + TarnSpinBox::buttonRules());
    field->setFont(PageFont(12));
}
