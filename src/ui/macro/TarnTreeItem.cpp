#include "ui/macro/TarnTreeItem.h"

#include "ui/macro/MacroEventText.h"

#include <QCoreApplication>

TarnTreeItem::TarnTreeItem(Action action, MacroEvents::Button button)
    : m_action(action)
    , m_button(button)
{
    retranslate();
}

TarnTreeItem::TarnTreeItem(MacroEvents::Direction direction)
    : m_action(Move)
    , m_direction(direction)
{
    retranslate();
}

void TarnTreeItem::retranslate()
{
    switch (m_action) {
    case Click:
        setText(0, MacroButtonName(m_button));
        break;
    case Press:
        setText(0, QCoreApplication::translate("MacroDialog", "PRESS DOWN"));
        break;
    case Release:
        setText(0, QCoreApplication::translate("MacroDialog", "BOUNCE UP"));
        break;
    case Move:
        setText(0, MacroDirectionName(m_direction));
        break;
    }
}
