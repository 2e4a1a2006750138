#pragma once

#include <QObject>
#include <QVector>

struct ConfigData;
class ConfigPage;
class MacroDialog;
class QScrollArea;
class QWidget;
class TarnBtnWindow;
class TarnColorWindow;
class TarnDPIWindow;
class TarnPointSpeed;
class TarnReportRate;

// The window's pages, created in their fixed order, with the tab each belongs to.
class PageStack : public QObject
{
    Q_OBJECT
public:
    // Creates every page as a child of `window`: button page (in a scroll area), DPI, performance,
    // polling rate, macro editor, lighting.
    explicit PageStack(QWidget *window);

    // Shows the pages of tab `index` (0 lighting, 1 customize, 2 DPI, 3 macro) and hides the others.
    void showTab(int index);
    // Pushes the working configuration into every page: the lighting page gets `lightingSlot`, the
    // others `slot`.
    void refreshAll(ConfigData &config, int slot, int lightingSlot);
    // Copies the pages' values into slot `slot` and the global settings.
    void collectAll(ConfigData &config, int slot) const;
    // Places every page again at the current scale.
    void relayout();
    // Sets every page's texts again.
    void retranslate();

    TarnBtnWindow *buttonPage() const { return m_buttons; }
    TarnDPIWindow *dpiPage() const { return m_dpi; }
    TarnPointSpeed *performancePage() const { return m_performance; }
    TarnReportRate *ratePage() const { return m_rate; }
    MacroDialog *macroPage() const { return m_macro; }
    TarnColorWindow *lightingPage() const { return m_lighting; }

private:
    QScrollArea *m_buttonArea;
    TarnBtnWindow *m_buttons;
    TarnDPIWindow *m_dpi;
    TarnPointSpeed *m_performance;
    TarnReportRate *m_rate;
    MacroDialog *m_macro;
    TarnColorWindow *m_lighting;
    QVector<ConfigPage *> m_pages;
};
