#pragma once

#include "storage/ConfigData.h"

#include <QString>

struct Product;

// A button's function as text, and a text stored on a button record with the rules of the button page.
// Plain functions read "Group/Name" ("Media/Mute") or "Name" for the entries of the function menu
// itself ("Left"); functions with values read "key:Home", "combo:LCtr+C", "fire:left,3,100",
// "macro:NAME" (with ",COUNT", ",held" or ",toggle" for its repeat), "sniper:STEP", "gunfile:NAME".

// The text of a button record; "code:N" for a function code the catalogue does not know.
QString ButtonText(const ButtonInfo &button);

// Where a record sits: a front or side button takes the function menu, the wheel its own menu.
enum class ButtonPlace { Button, Wheel };

// Stores the function `text` names on record `record` of `profile`. Empty on success, else one line
// saying what is wrong and what is allowed (the record is then unchanged).
QString StoreButtonText(ProfileData &profile, int record, ButtonPlace place, const QString &text,
                        const Product &product);

// The name of the macro a text binds ("macro:NAME[,...]"); empty for any other text.
QString BoundMacroName(const QString &text);
