#include "ui/buttons/MacroChooser.h"

#include "ui/macro/TarnMacroSelect.h"

#include <QDialog>

namespace {

// The macro editor's selection dialog: names of the stored macros, loop count and loop mode.
class MacroSelectChooser : public MacroChooser
{
public:
    bool choose(QWidget *owner, const QString &caption, MacroChoice &choice) override
    {
        TarnMacroSelect dialog(caption, caption, choice.name, choice.loopCount, choice.loopMode, owner);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        choice.name = dialog.name();
        choice.loopCount = dialog.loopCount();
        choice.loopMode = dialog.loopMode();
        return true;
    }
};

MacroSelectChooser g_selectChooser;
MacroChooser *g_chooser = &g_selectChooser;

} // namespace

MacroChooser &CurrentMacroChooser()
{
    return *g_chooser;
}

void SetMacroChooser(MacroChooser *chooser)
{
    g_chooser = chooser ? chooser : &g_selectChooser;
}
