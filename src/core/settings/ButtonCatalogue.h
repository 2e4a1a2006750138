#pragma once

#include <QString>
#include <QVector>

struct ButtonInfo;

// Where a function is offered.
enum class CatalogueMenu {
    Top, // the function menu itself
    Basic,
    Windows,
    Advance,
    Media,
    Dpi,
    PollingRate,
    Profile, // the "Profile Menu" submenu, built but not attached
    Unattached, // in no menu
};

// What an entry needs before it can be stored.
enum class ValueSource { None, SingleKey, ComboKey, FireKey, Sniper, Macro, GunFile };

// Function codes the page handles by name.
enum ButtonFunction {
    FunLeft = 1,
    FunRight = 2,
    FunSingleKey = 6,
    FunComboKey = 7,
    FunFireKey = 12,
    FunScrollUp = 52,
    FunScrollDown = 53,
    FunLedSwitch = 54,
    FunSniper = 55,
    FunMacro = 200,
    FunGunFile = 510,
};

// One function a button can carry.
struct CatalogueEntry
{
    int fun; // the code stored in ButtonInfo::Fun
    const char *text; // source text of the menu entry and label, translated in context "ButtonCatalogue"
    CatalogueMenu menu;
    ValueSource source;
};

// A submenu of the function menu and its source title, translated in context "ButtonCatalogue".
struct CatalogueSubmenu
{
    CatalogueMenu menu;
    const char *title;
};

// The submenus in the order of the function menu; "Profile Menu" is built but never attached.
const QVector<CatalogueSubmenu> &CatalogueSubmenus();
// The source title of the submenu `menu`; nullptr for the function menu itself and for no menu.
const char *CatalogueMenuTitle(CatalogueMenu menu);
// True when the function menu of a front or side button offers code `fun`; "Macro Manager" only
// with `offerMacros`, "Led Switch" only with `offerLedSwitch`.
bool FunctionMenuOffers(int fun, bool offerMacros, bool offerLedSwitch);
// Every entry, in the order of its submenu.
const QVector<CatalogueEntry> &Catalogue();
// The entry of code `fun`; nullptr for a code the catalogue does not know.
const CatalogueEntry *CatalogueEntryOf(int fun);
// The translated text of an entry.
QString CatalogueText(const CatalogueEntry &entry);
// Codes of the wheel menu, in its order.
const QVector<int> &WheelMenuCodes();
// Label of a button record of `group` (0, 1 or 2): the entry's text, the macro name for macros and
// gun files, empty for an unknown code and for the scroll functions outside the wheel group.
QString ButtonLabel(const ButtonInfo &button, int group);
