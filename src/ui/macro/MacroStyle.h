#pragma once

#include <QString>

class QWidget;

// Style sheets of the macro editor's plain Qt controls, at the current scale and accent colour.
namespace MacroStyle {

// Check boxes with the skin's indicator pictures and white text.
QString checkBox();
// Line edits: dark field, white text, accent edge with focus.
QString lineEdit();
// Lists, trees and tables: dark rows, the selected row in the accent colour.
QString itemView();
// Header rows of tables and trees, set on the header itself so no page style can blank it.
QString header();
// Drop-down menus: accent border on the hovered entry, accent background on the pressed one.
QString menu();
// Labels: white text.
QString label();
// Spin boxes like line edits.
QString spinBox();
// Sets the current language's font at a design pixel size on `widget`.
void setFont(QWidget *widget, int designPixelSize);

} // namespace MacroStyle
