#pragma once

#include "core/settings/LightingEffects.h"
#include "ui/pages/ConfigPage.h"

#include <QColor>

class DefaultColorArea;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QSlider;
class TarnMenuButton;

// The lighting page: effect, brightness, speed, colour and sleep time. It edits the working
// configuration in place (see LightingEditor for which slot takes which value).
class TarnColorWindow : public ConfigPage
{
    Q_OBJECT
public:
    // The page with its controls; the window places it.
    explicit TarnColorWindow(QWidget *parent = nullptr);

    // Shows the lighting of `config` with slot `slot` current (slot 0 for the product "4630").
    void refreshFrom(ConfigData &config, int slot) override;
    // Places every control at the current scale.
    void relayout() override;
    // Sets every text and the effect menu again through the translator.
    void retranslate() override;

    // The mouse reported a lighting effect: show its controls and store it.
    void setModeReport(quint8 mode);

    // The controls, for tests.
    TarnMenuButton *effectButton() const { return m_effectButton; }
    QMenu *effectMenu() const { return m_menu; }
    QSlider *brightnessSlider() const { return m_brightSlider; }
    QSlider *speedSlider() const { return m_speedSlider; }
    QSlider *sleepSlider() const { return m_sleepSlider; }
    QLabel *sleepValueLabel() const { return m_sleepValue; }
    QCheckBox *moveOffBox() const { return m_moveOffBox; }
    DefaultColorArea *colourSwatch() const { return m_swatch; }
    QLabel *brightnessLabel() const { return m_brightTitle; }
    QLabel *speedLabel() const { return m_speedTitle; }
    QLabel *colourLabel() const { return m_colorTitle; }

public slots:
    // No effect.
    void slotSliderMouseChange();
    // Stores a colour into the current effect of the lighting slot.
    void slotSendLedState(QColor color);
    // No effect.
    void slotApplyColor(QColor color);
    // The swatch was clicked: ask for a colour.
    void color_clicked();
    // "MOVE TO LIGHT OFF" clicked.
    void checkbtn_clicked();

private:
    void chooseEffect(int effect);
    void showEffect(int effect);
    void showEffectValues();
    void showSleepValue(int minutes);
    void rebuildMenu();

    LightingEditor m_editor;
    int m_shownEffect = 0;

    QLabel *m_effectTitle;
    TarnMenuButton *m_effectButton;
    QMenu *m_menu;
    QAction *m_actions[LightingEffectCount];
    QLabel *m_brightTitle;
    QSlider *m_brightSlider;
    QLabel *m_brightValue;
    QLabel *m_speedTitle;
    QSlider *m_speedSlider;
    QLabel *m_speedValue;
    QLabel *m_colorTitle;
    DefaultColorArea *m_swatch;
    QLabel *m_sleepTitle;
    QSlider *m_sleepSlider;
    QLabel *m_sleepValue;
    QCheckBox *m_moveOffBox;
};
