#include "ui/buttons/ButtonMenus.h"

#include "ui/widgets/TarnAction.h"
#include "ui/widgets/Theme.h"

#include <QCoreApplication>
#include <QMenu>

namespace {

// The design width is the narrowest a menu gets; a longer entry (or a translation) widens it.
constexpr int MenuMinimumWidth = 160;

} // namespace

ButtonMenus::ButtonMenus(QWidget *parent)
    : QObject(parent)
    , m_function(new QMenu(parent))
    , m_wheel(new QMenu(parent))
{
    m_function->setObjectName(QStringLiteral("functionMenu"));
    m_wheel->setObjectName(QStringLiteral("wheelMenu"));
    for (const CatalogueSubmenu &submenu : CatalogueSubmenus())
        m_submenus.insert(submenu.menu, new QMenu(parent));
    for (const CatalogueEntry &entry : Catalogue()) {
        m_owned.push_back(std::make_unique<TarnAction>(QString(), entry.fun));
        TarnAction *action = m_owned.back().get();
        m_actions.insert(entry.fun, action);
        connect(action, &QAction::triggered, this, [this, fun = entry.fun] { emit picked(fun); });
    }
}

ButtonMenus::~ButtonMenus() = default;

void ButtonMenus::rebuild(bool offerMacros, bool offerLedSwitch)
{
    for (const CatalogueSubmenu &submenu : CatalogueSubmenus()) {
        QMenu *menu = m_submenus.value(submenu.menu);
        menu->clear();
        menu->setTitle(QCoreApplication::translate("ButtonCatalogue", submenu.title));
    }
    for (const CatalogueEntry &entry : Catalogue()) {
        m_actions.value(entry.fun)->setText(CatalogueText(entry));
        if (QMenu *submenu = m_submenus.value(entry.menu))
            submenu->addAction(m_actions.value(entry.fun));
    }

    m_function->clear();
    for (int fun : { 1, 2, 3, 4, 5 })
        m_function->addAction(m_actions.value(fun));
    for (const CatalogueSubmenu &submenu : CatalogueSubmenus()) {
        if (submenu.menu != CatalogueMenu::Profile)
            m_function->addMenu(m_submenus.value(submenu.menu));
    }
    if (offerMacros)
        m_function->addAction(m_actions.value(FunMacro));
    if (offerLedSwitch)
        m_function->addAction(m_actions.value(FunLedSwitch));
    m_function->addAction(m_actions.value(16));

    m_wheel->clear();
    for (int fun : WheelMenuCodes())
        m_wheel->addAction(m_actions.value(fun));
    restyle();
}

void ButtonMenus::restyle()
{
    const QString style
        = QStringLiteral("QMenu { background: rgb(30,30,30); color: white; border: 1px solid %1; }"
                         "QMenu::item { padding: %2px %3px; }"
                         "QMenu::item:selected { background: %1; color: white; }")
              .arg(AccentColorCss())
              .arg(Scaled(4))
              .arg(Scaled(12));
    const QFont font = CurrentLanguageFont();
    QList<QMenu *> menus = m_submenus.values();
    menus << m_function << m_wheel;
    const QFontMetrics metrics(font);
    for (QMenu *menu : menus) {
        menu->setStyleSheet(style);
        menu->setFont(font);
        // Qt's own width leaves a long entry no room for a submenu's arrow under the item padding.
        int width = Scaled(MenuMinimumWidth);
        for (const QAction *action : menu->actions()) {
            const int arrow = action->menu() ? metrics.height() : 0;
            width = qMax(width, metrics.horizontalAdvance(action->text()) + 2 * Scaled(12) + arrow + 2);
        }
        menu->setMinimumWidth(width);
    }
}
