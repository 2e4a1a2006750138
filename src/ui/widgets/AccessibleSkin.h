#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology (a screen reader over AT-SPI) sees of the skinned controls: the role
// that matches what a control does, its checked or selected state, and a "Press" action that does
// exactly what a click does, instead of the check box a checkable QPushButton would read as.

// Installs the accessibility factory for the skinned classes (once; later calls do nothing). The
// skinned widgets call it as they are made; windows call it before making any child.
void InstallAccessibleSkin();
// Gives a skinned button or clickable label the role `role` (PageTab, RadioButton, Button ...).
void SetAccessibleRole(QWidget *widget, QAccessible::Role role);
