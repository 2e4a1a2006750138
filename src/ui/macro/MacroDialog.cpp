#include "ui/macro/MacroDialog.h"

MacroDialog::MacroDialog(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
}

void MacroDialog::refreshFrom(ConfigData &, int) { }
