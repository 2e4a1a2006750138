#pragma once

#include <QColor>

#include <functional>

class QWidget;

// How the lighting page asks for a colour: the modal colour dialog, or what a test installs.
using ColorChooserFunction = std::function<bool(QWidget *parent, QColor &colour)>;

// Asks for a colour starting at `colour`; true (and `colour` replaced) when the user confirmed.
bool ChooseColor(QWidget *parent, QColor &colour);
// Installs another way of asking; an empty function restores the dialog.
void SetColorChooser(ColorChooserFunction chooser);
