#pragma once

#include <QString>

class QWidget;

// A macro (or gun file) to bind to a button, with how it repeats.
struct MacroChoice
{
    QString name;
    int loopCount = 1; // 1..255
    int loopMode = 0; // 0 loop count, 1 repeat while held, 2 repeat until pressed again
};

// Asks the user which stored macro a button carries. The button page owns the question, the macro
// editor owns the dialog that answers it.
class MacroChooser
{
public:
    virtual ~MacroChooser() = default;
    // Runs the choice modally over `owner` with caption "MACRO SELECT" or "GUNFILE SELECT"
    // (translated); `choice` holds the preset and receives the answer. False when cancelled.
    virtual bool choose(QWidget *owner, const QString &caption, MacroChoice &choice) = 0;
};

// The chooser in use: the macro editor's selection dialog unless another one was installed.
MacroChooser &CurrentMacroChooser();
// Installs `chooser` (not owned); nullptr restores the selection dialog.
void SetMacroChooser(MacroChooser *chooser);
