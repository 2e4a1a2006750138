#include "ui/main/PageStack.h"

#include "ui/buttons/TarnBtnWindow.h"
#include "ui/macro/MacroDialog.h"
#include "ui/main/TabBar.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/Theme.h"

#include <QScrollArea>

PageStack::PageStack(QWidget *window)
    : QObject(window)
    , m_buttonArea(new QScrollArea(window))
    , m_buttons(new TarnBtnWindow(m_buttonArea))
    , m_dpi(new TarnDPIWindow(window))
    , m_performance(new TarnPointSpeed(window))
    , m_rate(new TarnReportRate(window))
    , m_macro(new MacroDialog(window))
    , m_lighting(new TarnColorWindow(window))
{
    m_buttonArea->setObjectName(QStringLiteral("buttonPageArea"));
    m_buttonArea->setWidget(m_buttons);
    m_buttonArea->setWidgetResizable(true);
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setStyleSheet(QStringLiteral("background:transparent;"));
    m_buttonArea->viewport()->setAutoFillBackground(false);
    m_pages = { m_buttons, m_dpi, m_performance, m_rate, m_macro, m_lighting };
}

void PageStack::showTab(int index)
{
    m_lighting->setVisible(index == TabBar::Lighting);
    m_buttonArea->setVisible(index == TabBar::Customize);
    m_dpi->setVisible(index == TabBar::Dpi);
    m_performance->setVisible(index == TabBar::Dpi);
    m_rate->setVisible(index == TabBar::Dpi);
    m_macro->setVisible(index == TabBar::Macro);
}

void PageStack::refreshAll(ConfigData &config, int slot, int lightingSlot)
{
    m_lighting->refreshFrom(config, lightingSlot);
    m_buttons->refreshFrom(config, slot);
    m_performance->refreshFrom(config, slot);
    m_rate->refreshFrom(config, slot);
    m_dpi->refreshFrom(config, slot);
}

void PageStack::collectAll(ConfigData &config, int slot) const
{
    m_dpi->collectInto(config, slot);
    m_performance->collectInto(config, slot);
    m_rate->collectInto(config, slot);
}

void PageStack::relayout()
{
    PlaceWidget(m_buttonArea, 440, 124, 535, 430);
    PlaceWidget(m_dpi, 24, 124, 470, 430);
    PlaceWidget(m_performance, 505, 124, 470, 280);
    PlaceWidget(m_rate, 505, 410, 470, 144);
    PlaceWidget(m_lighting, 440, 124, 535, 430);
    PlaceWidget(m_macro, 24, 124, 951, 430);
    for (ConfigPage *page : qAsConst(m_pages))
        page->relayout();
}

void PageStack::retranslate()
{
    for (ConfigPage *page : qAsConst(m_pages))
        page->retranslate();
}
