#include "ui/main/SlotIndicators.h"

#include "storage/ConfigData.h"
#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

SlotIndicators::SlotIndicators(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SlotIndicators"));
    for (int slot = 0; slot < ProfileSlots; ++slot) {
        auto *button = new TarnPushButton(QString(), this);
        button->setObjectName(QStringLiteral("slotIndicator%1").arg(slot + 1));
        button->setCheckable(true);
        // One choice among five: radio buttons to a screen reader, pressed to select the slot.
        SetAccessibleRole(button, QAccessible::RadioButton);
        button->setDesignFontSize(12);
        // The indicator shows the current slot: a click asks for the slot, it does not toggle.
        connect(button, &QPushButton::clicked, this, [this, slot, button] {
            button->setChecked(!button->isChecked());
            emit slotClicked(slot);
        });
        m_buttons.append(button);
    }
    retranslate();
}

void SlotIndicators::setCurrent(int slot)
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == slot);
}

void SlotIndicators::relayout()
{
    PlaceWidget(this, 330, 588, 400, 32);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(ScaledRect(78 * i, 0, 74, 32));
}

void SlotIndicators::retranslate()
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QString text = tr("Profile") + QStringLiteral(" %1").arg(i + 1);
        m_buttons[i]->setText(text);
        m_buttons[i]->setAccessibleName(text);
    }
}
