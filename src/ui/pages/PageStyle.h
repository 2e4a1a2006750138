#pragma once

#include <QColor>
#include <QFont>

class QCheckBox;
class QMenu;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;

// The look the settings pages share: skinned check boxes, thin accent sliders, white texts.

// The current language's font at a design pixel size, multiplied by the scale.
QFont PageFont(int designPixelSize = 13);
// Check box with the skin's indicator pictures, sized for the current scale.
void StyleCheckBox(QCheckBox *box);
// Radio button whose indicator is filled with the accent colour when checked.
void StyleRadioButton(QRadioButton *button);
// Horizontal slider: a grey groove, the filled part and the handle in the accent colour.
void StyleSlider(QSlider *slider);
// The height of a styled slider's handle at the current scale.
int SliderHandleHeight();
// A flat handle for a styled slider lower than SliderHandleHeight(), or the round one again.
void SetFlatSliderHandle(QSlider *slider, bool flat);
// Drop-down menu in the dark theme with the accent colour on the selected entry.
void StyleMenu(QMenu *menu);
// Number box or text field in the dark theme, with an accent frame when focused.
void StyleField(QWidget *field);
// Sets the window-text colour of a widget (labels, check boxes).
void SetTextColor(QWidget *widget, const QColor &color);
