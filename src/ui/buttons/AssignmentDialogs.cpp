#include "ui/buttons/AssignmentDialogs.h"

#include "core/settings/ButtonAssignment.h"
#include "storage/AppSettings.h"
#include "storage/ProductDefinition.h"
#include "ui/buttons/MacroChooser.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/buttons/TarnSniperWindow.h"

#include <QCoreApplication>

namespace {

bool askSingleKey(QWidget *owner, ButtonInfo &button)
{
    TarnSingleKeyWindow dialog(owner);
    if (button.Fun == FunSingleKey)
        dialog.preset(button.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Without a key touched there is nothing to store.
    if (dialog.keyCode() == 0)
        return false;
    StoreSingleKey(button, dialog.keyCode());
    return true;
}

bool askComboKey(QWidget *owner, ButtonInfo &button)
{
    TarnComboKeyWindow dialog(owner);
    if (button.Fun == FunComboKey)
        dialog.preset(CombinationOf(button));
    if (dialog.exec() != QDialog::Accepted || dialog.keys().isEmpty())
        return false;
    StoreCombination(button, dialog.keys());
    return true;
}

bool askFireKey(QWidget *owner, ButtonInfo &button)
{
    TarnFireKeyWindow dialog(owner);
    if (button.Fun == FunFireKey)
        dialog.preset(FireKeyOf(button));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return StoreFireKey(button, dialog.setting());
}

bool askSniper(QWidget *owner, ButtonInfo &button)
{
    TarnSniperWindow dialog(SensorSpecFor(SensorVariant(), ProductName(), Flag33254()), owner);
    dialog.preset(button.Fun == FunSniper ? button.Res1 : 0);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    StoreSniper(button, quint8(dialog.step()));
    return true;
}

bool askMacro(QWidget *owner, int fun, ButtonInfo &button)
{
    MacroChoice choice;
    if (button.Fun == fun) {
        choice.name = button.macroname;
        choice.loopCount = button.LoopNumber;
        choice.loopMode = button.Res1;
    }
    const QString caption = fun == FunGunFile
        ? QCoreApplication::translate("ButtonCatalogue", "GUNFILE SELECT")
        : QCoreApplication::translate("ButtonCatalogue", "MACRO SELECT");
    if (!CurrentMacroChooser().choose(owner, caption, choice) || choice.name.isEmpty())
        return false;
    StoreMacro(button, fun, choice.name, qBound(1, choice.loopCount, 255), qBound(0, choice.loopMode, 2));
    return true;
}

} // namespace

bool AskAndStore(QWidget *owner, const CatalogueEntry &entry, ButtonInfo &button)
{
    switch (entry.source) {
    case ValueSource::None:
        button.Fun = entry.fun;
        return true;
    case ValueSource::SingleKey:
        return askSingleKey(owner, button);
    case ValueSource::ComboKey:
        return askComboKey(owner, button);
    case ValueSource::FireKey:
        return askFireKey(owner, button);
    case ValueSource::Sniper:
        return askSniper(owner, button);
    case ValueSource::Macro:
    case ValueSource::GunFile:
        return askMacro(owner, entry.fun, button);
    }
    return false;
}
