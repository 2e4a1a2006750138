#pragma once

#include "ui/buttons/MacroChooser.h"

// The plain chooser: a dialog with the stored macro names, the loop count and the loop mode.
class MacroListChooser : public MacroChooser
{
public:
    bool choose(QWidget *owner, const QString &caption, MacroChoice &choice) override;
};
