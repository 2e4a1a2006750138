#pragma once

#include "core/settings/ButtonCatalogue.h"

#include <QMap>
#include <QObject>

#include <memory>
#include <vector>

class QMenu;
class TarnAction;

// The function menu with its submenus and the wheel menu, built from the catalogue. One action per
// catalogue entry serves both menus.
class ButtonMenus : public QObject
{
    Q_OBJECT
public:
    // Creates the menus and one action per entry; `parent` owns the menus.
    explicit ButtonMenus(QWidget *parent);
    ~ButtonMenus() override;

    // Fills the menus again in the current language, with "Macro Manager" only when
    // `offerMacros` and "Led Switch" only when `offerLedSwitch`.
    void rebuild(bool offerMacros, bool offerLedSwitch);
    // Applies size, font and accent colour at the current scale.
    void restyle();

    // The menu of the front and side buttons.
    QMenu *functionMenu() const { return m_function; }
    // The menu of the two wheel entries.
    QMenu *wheelMenu() const { return m_wheel; }
    // The action of function `fun`; nullptr for a code without one.
    TarnAction *action(int fun) const { return m_actions.value(fun); }

signals:
    // An entry of either menu was picked.
    void picked(int fun);

private:
    QMenu *m_function;
    QMenu *m_wheel;
    QMap<CatalogueMenu, QMenu *> m_submenus;
    QMap<int, TarnAction *> m_actions;
    std::vector<std::unique_ptr<TarnAction>> m_owned;
};
