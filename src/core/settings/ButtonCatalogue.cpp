#include "core/settings/ButtonCatalogue.h"

#include "storage/ConfigData.h"

#include <QCoreApplication>

namespace {

using M = CatalogueMenu;
using V = ValueSource;

// Submenu entries in their menu order; the order of the table is the order of the menus.
const QVector<CatalogueEntry> entries = {
    { 1, QT_TRANSLATE_NOOP("ButtonCatalogue", "Left"), M::Top, V::None },
    { 2, QT_TRANSLATE_NOOP("ButtonCatalogue", "Right"), M::Top, V::None },
    { 3, QT_TRANSLATE_NOOP("ButtonCatalogue", "Middle"), M::Top, V::None },
    { 4, QT_TRANSLATE_NOOP("ButtonCatalogue", "Forward"), M::Top, V::None },
    { 5, QT_TRANSLATE_NOOP("ButtonCatalogue", "Back"), M::Top, V::None },
    { 6, QT_TRANSLATE_NOOP("ButtonCatalogue", "SINGLE KEY"), M::Advance, V::SingleKey },
    { 7, QT_TRANSLATE_NOOP("ButtonCatalogue", "COMBO KEY"), M::Advance, V::ComboKey },
    { 12, QT_TRANSLATE_NOOP("ButtonCatalogue", "FIRE KEY"), M::Advance, V::FireKey },
    { 16, QT_TRANSLATE_NOOP("ButtonCatalogue", "Button Off"), M::Top, V::None },
    { 17, QT_TRANSLATE_NOOP("ButtonCatalogue", "Cut"), M::Basic, V::None },
    { 18, QT_TRANSLATE_NOOP("ButtonCatalogue", "Copy"), M::Basic, V::None },
    { 19, QT_TRANSLATE_NOOP("ButtonCatalogue", "Paste"), M::Basic, V::None },
    { 20, QT_TRANSLATE_NOOP("ButtonCatalogue", "All"), M::Basic, V::None },
    { 21, QT_TRANSLATE_NOOP("ButtonCatalogue", "Find"), M::Basic, V::None },
    { 22, QT_TRANSLATE_NOOP("ButtonCatalogue", "New"), M::Basic, V::None },
    { 23, QT_TRANSLATE_NOOP("ButtonCatalogue", "Print"), M::Basic, V::None },
    { 24, QT_TRANSLATE_NOOP("ButtonCatalogue", "Save"), M::Basic, V::None },
    { 25, QT_TRANSLATE_NOOP("ButtonCatalogue", "Switch Window"), M::Windows, V::None },
    { 26, QT_TRANSLATE_NOOP("ButtonCatalogue", "Close Window"), M::Windows, V::None },
    { 27, QT_TRANSLATE_NOOP("ButtonCatalogue", "My Computer"), M::Windows, V::None },
    { 28, QT_TRANSLATE_NOOP("ButtonCatalogue", "Run"), M::Windows, V::None },
    { 29, QT_TRANSLATE_NOOP("ButtonCatalogue", "Show Desktop"), M::Windows, V::None },
    { 30, QT_TRANSLATE_NOOP("ButtonCatalogue", "Lock PC"), M::Windows, V::None },
    { 31, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Home"), M::Windows, V::None },
    { 32, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Backward"), M::Windows, V::None },
    { 33, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Forward"), M::Windows, V::None },
    { 34, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Stop"), M::Windows, V::None },
    { 35, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Refresh"), M::Windows, V::None },
    { 36, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Search"), M::Windows, V::None },
    { 37, QT_TRANSLATE_NOOP("ButtonCatalogue", "Browser Favorite"), M::Windows, V::None },
    { 38, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mail"), M::Windows, V::None },
    { 62, QT_TRANSLATE_NOOP("ButtonCatalogue", "Boss Key"), M::Windows, V::None },
    { 39, QT_TRANSLATE_NOOP("ButtonCatalogue", "Play/Pause"), M::Media, V::None },
    { 40, QT_TRANSLATE_NOOP("ButtonCatalogue", "Stop"), M::Media, V::None },
    { 41, QT_TRANSLATE_NOOP("ButtonCatalogue", "Previous Track"), M::Media, V::None },
    { 42, QT_TRANSLATE_NOOP("ButtonCatalogue", "Next Track"), M::Media, V::None },
    { 43, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Up"), M::Media, V::None },
    { 44, QT_TRANSLATE_NOOP("ButtonCatalogue", "Volume Down"), M::Media, V::None },
    { 45, QT_TRANSLATE_NOOP("ButtonCatalogue", "Mute"), M::Media, V::None },
    { 46, QT_TRANSLATE_NOOP("ButtonCatalogue", "Media Player"), M::Media, V::None },
    { 47, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI Switch"), M::Dpi, V::None },
    { 48, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI +"), M::Dpi, V::None },
    { 49, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI -"), M::Dpi, V::None },
    { 63, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate Switch"), M::PollingRate, V::None },
    { 50, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate +"), M::PollingRate, V::None },
    { 51, QT_TRANSLATE_NOOP("ButtonCatalogue", "Rate -"), M::PollingRate, V::None },
    // The scroll functions belong to the wheel menu only.
    { 52, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Up"), M::Unattached, V::None },
    { 53, QT_TRANSLATE_NOOP("ButtonCatalogue", "Scroll Down"), M::Unattached, V::None },
    { 54, QT_TRANSLATE_NOOP("ButtonCatalogue", "Led Switch"), M::Top, V::None },
    { 55, QT_TRANSLATE_NOOP("ButtonCatalogue", "SNIPER"), M::Unattached, V::Sniper },
    { 59, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile Switch"), M::Profile, V::None },
    { 57, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile +"), M::Profile, V::None },
    { 58, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile -"), M::Profile, V::None },
    { 200, QT_TRANSLATE_NOOP("ButtonCatalogue", "Macro Manager"), M::Top, V::Macro },
    { 510, QT_TRANSLATE_NOOP("ButtonCatalogue", "GunFile Manager"), M::Unattached, V::GunFile },
};

const QVector<CatalogueSubmenu> submenus = {
    { M::Basic, QT_TRANSLATE_NOOP("ButtonCatalogue", "Basic") },
    { M::Windows, QT_TRANSLATE_NOOP("ButtonCatalogue", "Windows") },
    { M::Advance, QT_TRANSLATE_NOOP("ButtonCatalogue", "Advance") },
    { M::Media, QT_TRANSLATE_NOOP("ButtonCatalogue", "Media") },
    { M::Dpi, QT_TRANSLATE_NOOP("ButtonCatalogue", "DPI") },
    { M::PollingRate, QT_TRANSLATE_NOOP("ButtonCatalogue", "Polling Rate") },
    { M::Profile, QT_TRANSLATE_NOOP("ButtonCatalogue", "Profile Menu") },
};

const QVector<int> wheelCodes = { 52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7 };

} // namespace

const QVector<CatalogueSubmenu> &CatalogueSubmenus()
{
    return submenus;
}

const char *CatalogueMenuTitle(CatalogueMenu menu)
{
    for (const CatalogueSubmenu &submenu : submenus) {
        if (submenu.menu == menu)
            return submenu.title;
    }
    return nullptr;
}

bool FunctionMenuOffers(int fun, bool offerMacros, bool offerLedSwitch)
{
    const CatalogueEntry *entry = CatalogueEntryOf(fun);
    if (!entry)
        return false;
    switch (entry->menu) {
    case M::Top:
        return fun == FunMacro ? offerMacros : fun == FunLedSwitch ? offerLedSwitch : true;
    case M::Profile:
    case M::Unattached:
        return false;
    default:
        return true;
    }
}

const QVector<CatalogueEntry> &Catalogue()
{
    return entries;
}

const CatalogueEntry *CatalogueEntryOf(int fun)
{
    for (const CatalogueEntry &entry : entries) {
        if (entry.fun == fun)
            return &entry;
    }
    return nullptr;
}

QString CatalogueText(const CatalogueEntry &entry)
{
    return QCoreApplication::translate("ButtonCatalogue", entry.text);
}

const QVector<int> &WheelMenuCodes()
{
    return wheelCodes;
}

QString ButtonLabel(const ButtonInfo &button, int group)
{
    if (button.Fun == FunMacro || button.Fun == FunGunFile)
        return button.macroname;
    if ((button.Fun == FunScrollUp || button.Fun == FunScrollDown) && group != 2)
        return QString();
    const CatalogueEntry *entry = CatalogueEntryOf(button.Fun);
    return entry ? CatalogueText(*entry) : QString();
}
