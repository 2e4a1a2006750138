#include "ui/macro/MacroEventButtons.h"

#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

MacroEventButtons::MacroEventButtons(QWidget *parent)
    : QWidget(parent)
{
    for (int a = 0; a < ActionCount; ++a) {
        m_buttons[a] = new TarnPushButton(QString(), this);
        connect(m_buttons[a], &QPushButton::clicked, this, [this, a] { emit triggered(Action(a)); });
    }
    retranslate();
    relayout();
}

void MacroEventButtons::retranslate()
{
    const QString texts[ActionCount] = {
        tr("RECORD AFTER"), tr("DELETE"),       tr("MOVE UP"), tr("MOVE DOWN"), tr("TOP"),
        tr("BOTTOM"),       tr("CLEAR"),        tr("EDIT"),    tr("COPY"),      tr("CUT"),
        tr("PASTE"),        tr("INSERT DELAY"), tr("GUN SET"),
    };
    for (int a = 0; a < ActionCount; ++a) {
        m_buttons[a]->setText(texts[a]);
        m_buttons[a]->setAccessibleName(texts[a]);
    }
}

void MacroEventButtons::setRowActionsEnabled(bool enabled)
{
    for (int a = 0; a < ActionCount; ++a) {
        if (a != GunSet)
            m_buttons[a]->setEnabled(enabled);
    }
}

void MacroEventButtons::relayout()
{
    // Two columns of six, "GUN SET" across both below them.
    constexpr int width = 103;
    constexpr int height = 26;
    constexpr int step = 31;
    for (int a = 0; a < GunSet; ++a) {
        PlaceWidget(m_buttons[a], (a % 2) * (width + 5), (a / 2) * step, width, height);
        m_buttons[a]->setDesignFontSize(11);
    }
    PlaceWidget(m_buttons[GunSet], 0, 6 * step, 2 * width + 5, height);
    m_buttons[GunSet]->setDesignFontSize(11);
}
