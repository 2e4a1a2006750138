#pragma once

#include <QObject>
#include <QVector>

#include <functional>

struct ConfigData;
class ConfigPage;
class MacroDialog;
class QScrollArea;
class QWidget;
class TarnBtnWindow;
class TarnColorWindow;
class TarnDPIWindow;
class TarnPointSpeed;
class TarnPushButton;
class TarnReportRate;

// The window's pages with the tab each belongs to. A tab's pages are built the first time the tab
// is shown or one of them is asked for, so that a start shows only the first tab's; values the
// mouse reports meanwhile are kept for them.
class PageStack : public QObject
{
    Q_OBJECT
public:
    // Pages for `window`; a page built late shows `config` with its current slot (ProfileID), the
    // lighting page with the slot `lightingSlot` names at that moment.
    PageStack(QWidget *window, ConfigData &config, std::function<int()> lightingSlot);

    // Shows the pages of tab `index` (0 lighting, 1 customize, 2 DPI, 3 macro), building them the
    // first time, and hides the others.
    void showTab(int index);
    // Pushes the working configuration into every built page: the lighting page gets
    // `lightingSlot`, the others `slot`.
    void refreshAll(ConfigData &config, int slot, int lightingSlot);
    // Copies the built pages' values into slot `slot` and the global settings.
    void collectAll(ConfigData &config, int slot) const;
    // Places every built page again at the current scale.
    void relayout();
    // Sets every built page's texts again.
    void retranslate();

    // The mouse reported DPI stage `stage`: shown on the DPI page now or once it is built.
    void setCurrentStage(quint8 stage);
    // The mouse reported polling-rate code `code`: shown on the rate page now or once it is built.
    void setRate(quint8 code);
    // The mouse reported lighting effect `mode`: stored in the lighting slot, shown on the page.
    void setModeReport(quint8 mode);
    // Selects button `index` of `group` on the button page, now or once it is built.
    void selectButton(int index, int group);

    // The pages; asking for one builds its tab's pages when they do not exist yet.
    TarnBtnWindow *buttonPage();
    TarnDPIWindow *dpiPage();
    TarnPointSpeed *performancePage();
    TarnReportRate *ratePage();
    MacroDialog *macroPage();
    TarnColorWindow *lightingPage();

signals:
    // The button page's signals, from whenever it is built.
    void gotoMacroTab(quint8 index);
    void popOneClickBox();
    void buttonSelected(quint8 index, quint8 group);
    void buttonHovered(TarnPushButton *button, bool over);
    // A lift-off choice on either page.
    void liftChanged(quint8 lift);
    // The macro page's request to enable or disable the window's controls.
    void enableButtons(bool enable);

private:
    // Builds the pages of tab `index` unless they exist; true when it built them.
    bool buildTab(int index);
    void buildLighting();
    void buildButtons();
    void buildDpi();
    void buildMacro();
    void placePages();
    void showOnlyShownTab();
    void showBuilt(ConfigPage *page, bool refresh);
    int shownSlot() const;

    QWidget *m_window;
    ConfigData &m_config;
    std::function<int()> m_lightingSlot;
    int m_shownTab = -1;
    QScrollArea *m_buttonArea = nullptr;
    TarnBtnWindow *m_buttons = nullptr;
    TarnDPIWindow *m_dpi = nullptr;
    TarnPointSpeed *m_performance = nullptr;
    TarnReportRate *m_rate = nullptr;
    MacroDialog *m_macro = nullptr;
    TarnColorWindow *m_lighting = nullptr;
    QVector<ConfigPage *> m_pages;
    // Reports for pages not built yet; -1 for none. A refresh supersedes the stage and rate, which
    // the configuration then holds.
    int m_pendingStage = -1;
    int m_pendingRate = -1;
    int m_pendingButton = -1;
    int m_pendingGroup = -1;
};
