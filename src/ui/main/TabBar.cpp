#include "ui/main/TabBar.h"

#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

TabBar::TabBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabBar"));
    SetAccessibleRole(this, QAccessible::PageTabList);
    for (int index = 0; index < 4; ++index) {
        auto *tab = new TarnPushButton(QString(), this);
        tab->setObjectName(QStringLiteral("tab%1").arg(index));
        tab->setCheckable(true);
        SetAccessibleRole(tab, QAccessible::PageTab);
        tab->setDesignFontSize(14);
        // Press and click both switch: the press for a quick response, the click for the keyboard.
        connect(tab, &TarnPushButton::EnterSignal, this, [this, index] { emit tabRequested(index); });
        connect(tab, &QPushButton::clicked, this, [this, index] { emit tabRequested(index); });
        m_buttons.append(tab);
    }
    retranslate();
}

void TabBar::setCurrent(int index)
{
    m_current = index;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == index);
}

void TabBar::relayout()
{
    PlaceWidget(this, 330, 14, 450, 36);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(ScaledRect(112 * i, 0, 106, 36));
}

void TabBar::retranslate()
{
    const QString texts[] = { tr("LIGHTING"), tr("CUSTOMIZE"), tr("DPI"), tr("MACRO") };
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setText(texts[i]);
        m_buttons[i]->setAccessibleName(texts[i]);
    }
}
