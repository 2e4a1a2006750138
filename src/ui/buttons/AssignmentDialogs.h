#pragma once

#include "core/settings/ButtonCatalogue.h"

class QWidget;
struct ButtonInfo;

// Runs the dialog that function `fun` needs (by its value source) over `owner`, preset from `button`
// when it already holds that function, and stores the answer into `button`. False when the dialog
// was cancelled; the record is then unchanged.
bool AskAndStore(QWidget *owner, const CatalogueEntry &entry, ButtonInfo &button);
