#pragma once

#include <QVector>
#include <QWidget>

class TarnPushButton;

// The four tabs of the window: "LIGHTING", "CUSTOMIZE", "DPI" and "MACRO" (indexes 0 to 3).
class TabBar : public QWidget
{
    Q_OBJECT
public:
    // Index of each tab.
    enum Tab { Lighting = 0, Customize = 1, Dpi = 2, Macro = 3 };

    // The four tab buttons in the header.
    explicit TabBar(QWidget *parent = nullptr);

    // Checks the tab of `index` and unchecks the others.
    void setCurrent(int index);
    // The checked tab.
    int current() const { return m_current; }
    // The tab button of `index`.
    TarnPushButton *button(int index) const { return m_buttons.value(index); }
    // Places the tabs again at the current scale.
    void relayout();
    // Sets the tab texts again through the translator.
    void retranslate();

signals:
    // A tab was pressed or clicked.
    void tabRequested(int index);

private:
    QVector<TarnPushButton *> m_buttons;
    int m_current = -1;
};
