#include "ui/main/PageStack.h"

#include "core/settings/LightingEffects.h"
#include "storage/ConfigData.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/macro/MacroDialog.h"
#include "ui/main/TabBar.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QScrollArea>

PageStack::PageStack(QWidget *window, ConfigData &config, std::function<int()> lightingSlot)
    : QObject(window)
    , m_window(window)
    , m_config(config)
    , m_lightingSlot(std::move(lightingSlot))
{ }

bool PageStack::buildTab(int index)
{
    switch (index) {
    case TabBar::Lighting:
        if (m_lighting)
            return false;
        buildLighting();
        break;
    case TabBar::Customize:
        if (m_buttons)
            return false;
        buildButtons();
        break;
    case TabBar::Dpi:
        if (m_dpi)
            return false;
        buildDpi();
        break;
    case TabBar::Macro:
        if (m_macro)
            return false;
        buildMacro();
        break;
    default:
        return false;
    }
    // A page built for another tab than the one shown would otherwise appear with the window.
    showOnlyShownTab();
    return true;
}

void PageStack::buildLighting()
{
    m_lighting = new TarnColorWindow(m_window);
    showBuilt(m_lighting, true);
}

void PageStack::buildButtons()
{
    m_buttonArea = new QScrollArea(m_window);
    m_buttons = new TarnBtnWindow(m_buttonArea);
    m_buttonArea->setObjectName(QStringLiteral("buttonPageArea"));
    m_buttonArea->setWidget(m_buttons);
    m_buttonArea->setWidgetResizable(true);
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonArea->setStyleSheet(QStringLiteral("background:transparent;"));
    m_buttonArea->viewport()->setAutoFillBackground(false);
    connect(m_buttons, &TarnBtnWindow::GotoMacroTab, this, &PageStack::gotoMacroTab);
    connect(m_buttons, &TarnBtnWindow::PopOneClickBox, this, &PageStack::popOneClickBox);
    connect(m_buttons, &TarnBtnWindow::SelBtnChanged, this, &PageStack::buttonSelected);
    connect(m_buttons, &TarnBtnWindow::SelBtnControl, this, &PageStack::buttonHovered);
    showBuilt(m_buttons, true);
    if (m_pendingGroup >= 0)
        m_buttons->selectButton(m_pendingButton, m_pendingGroup);
    m_pendingButton = m_pendingGroup = -1;
}

void PageStack::buildDpi()
{
    m_dpi = new TarnDPIWindow(m_window);
    m_performance = new TarnPointSpeed(m_window);
    m_rate = new TarnReportRate(m_window);
    // Two controls for one lift-off value: each shows the other's choice, and the window stores it.
    m_performance->pairLiftWith(m_rate);
    connect(m_rate, &TarnReportRate::RefreshLift, this, &PageStack::liftChanged);
    connect(m_performance, &TarnPointSpeed::liftChosen, this, &PageStack::liftChanged);
    for (ConfigPage *page : std::initializer_list<ConfigPage *> { m_dpi, m_performance, m_rate })
        showBuilt(page, true);
    if (m_pendingStage >= 0)
        m_dpi->setCurrentStage(quint8(m_pendingStage));
    if (m_pendingRate >= 0)
        m_rate->setRate(quint8(m_pendingRate));
    m_pendingStage = m_pendingRate = -1;
}

void PageStack::buildMacro()
{
    // Macros belong to no slot: the page reads its list when made, and no refresh reads it again.
    m_macro = new MacroDialog(m_window);
    connect(m_macro, &MacroDialog::EnableButtonsSignal, this, &PageStack::enableButtons);
    showBuilt(m_macro, false);
}

void PageStack::showBuilt(ConfigPage *page, bool refresh)
{
    // What an older page went through since the start: laid out at the current scale, given the
    // working configuration, then its texts in the current language.
    m_pages.append(page);
    placePages();
    page->relayout();
    if (refresh)
        page->refreshFrom(m_config, page == m_lighting ? m_lightingSlot() : shownSlot());
    page->retranslate();
}

int PageStack::shownSlot() const
{
    return m_config.ProfileID;
}

void PageStack::placePages()
{
    if (m_buttonArea)
        PlaceWidget(m_buttonArea, 440, 124, 535, 430);
    if (m_dpi) {
        PlaceWidget(m_dpi, 24, 124, 470, 430);
        PlaceWidget(m_performance, 505, 124, 470, 280);
        PlaceWidget(m_rate, 505, 410, 470, 144);
    }
    if (m_lighting)
        PlaceWidget(m_lighting, 440, 124, 535, 430);
    if (m_macro)
        PlaceWidget(m_macro, 24, 124, 951, 430);
}

void PageStack::showTab(int index)
{
    m_shownTab = index;
    if (!buildTab(index))
        showOnlyShownTab();
}

void PageStack::showOnlyShownTab()
{
    const int index = m_shownTab;
    if (m_lighting)
        m_lighting->setVisible(index == TabBar::Lighting);
    if (m_buttonArea)
        m_buttonArea->setVisible(index == TabBar::Customize);
    if (m_dpi) {
        m_dpi->setVisible(index == TabBar::Dpi);
        m_performance->setVisible(index == TabBar::Dpi);
        m_rate->setVisible(index == TabBar::Dpi);
    }
    if (m_macro)
        m_macro->setVisible(index == TabBar::Macro);
}

void PageStack::refreshAll(ConfigData &config, int slot, int lightingSlot)
{
    // Pages not built yet read the configuration when they are; it holds what was reported.
    m_pendingStage = m_pendingRate = -1;
    if (m_lighting)
        m_lighting->refreshFrom(config, lightingSlot);
    if (m_buttons)
        m_buttons->refreshFrom(config, slot);
    if (m_dpi) {
        m_performance->refreshFrom(config, slot);
        m_rate->refreshFrom(config, slot);
        m_dpi->refreshFrom(config, slot);
    }
}

void PageStack::collectAll(ConfigData &config, int slot) const
{
    // A page not built holds no edits: the configuration already has its values.
    if (!m_dpi)
        return;
    m_dpi->collectInto(config, slot);
    m_performance->collectInto(config, slot);
    m_rate->collectInto(config, slot);
}

void PageStack::relayout()
{
    placePages();
    for (ConfigPage *page : qAsConst(m_pages))
        page->relayout();
}

void PageStack::retranslate()
{
    for (ConfigPage *page : qAsConst(m_pages))
        page->retranslate();
}

void PageStack::setCurrentStage(quint8 stage)
{
    if (m_dpi)
        m_dpi->setCurrentStage(stage);
    else if (stage < DpiStageSlots)
        m_pendingStage = stage;
}

void PageStack::setRate(quint8 code)
{
    if (m_rate)
        m_rate->setRate(code);
    else
        m_pendingRate = code;
}

void PageStack::setModeReport(quint8 mode)
{
    if (m_lighting) {
        m_lighting->setModeReport(mode);
        return;
    }
    // The page stores the effect as it shows it; without the page the configuration takes it, and
    // the page shows it from there once built.
    LightingEditor editor;
    editor.attach(m_config, m_lightingSlot());
    editor.chooseEffect(mode);
}

void PageStack::selectButton(int index, int group)
{
    if (m_buttons) {
        m_buttons->selectButton(index, group);
    } else {
        m_pendingButton = index;
        m_pendingGroup = group;
    }
}

TarnBtnWindow *PageStack::buttonPage()
{
    buildTab(TabBar::Customize);
    return m_buttons;
}

TarnDPIWindow *PageStack::dpiPage()
{
    buildTab(TabBar::Dpi);
    return m_dpi;
}

TarnPointSpeed *PageStack::performancePage()
{
    buildTab(TabBar::Dpi);
    return m_performance;
}

TarnReportRate *PageStack::ratePage()
{
    buildTab(TabBar::Dpi);
    return m_rate;
}

MacroDialog *PageStack::macroPage()
{
    buildTab(TabBar::Macro);
    return m_macro;
}

TarnColorWindow *PageStack::lightingPage()
{
    buildTab(TabBar::Lighting);
    return m_lighting;
}
