#pragma once

#include <QVector>
#include <QWidget>

class TarnPushButton;

// The five slot indicators "Profile 1" to "Profile 5": the current slot's is checked, and a click
// selects that slot.
class SlotIndicators : public QWidget
{
    Q_OBJECT
public:
    // Five indicators in the footer.
    explicit SlotIndicators(QWidget *parent = nullptr);

    // Checks the indicator of `slot` (0..4) and unchecks the others.
    void setCurrent(int slot);
    // The indicator of `slot`.
    TarnPushButton *button(int slot) const { return m_buttons.value(slot); }
    // Places the indicators again at the current scale.
    void relayout();
    // Sets the texts again through the translator.
    void retranslate();

signals:
    // The indicator of `slot` was clicked.
    void slotClicked(int slot);

private:
    QVector<TarnPushButton *> m_buttons;
};
