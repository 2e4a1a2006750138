#pragma once

#include "core/settings/LightingEffects.h"
#include "storage/ConfigData.h"
#include "ui/pages/ConfigPage.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;
class TarnLabel;
class TarnSingleDPI;

// The DPI page: the DPI stages of a slot with their resolutions, and the current stage. For products
// without lighting it also carries the lighting sleep time and the move-off switch.
class TarnDPIWindow : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnDPIWindow(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;
    // Copies the current stage and the eight stages into slot `slot`.
    void collectInto(ConfigData &config, int slot) const override;
    // Places the rows and the sleep group at the current scale.
    void relayout() override;
    // Sets every text again through the translator.
    void retranslate() override;

    // The mouse reported a new current stage: highlight it.
    void setCurrentStage(quint8 stage);

    // The page's copy of the slot, for tests.
    const ProfileData &profile() const { return m_profile; }
    // Row `stage` (0 to 7).
    TarnSingleDPI *row(int stage) const { return m_rows[stage]; }
    // The sleep controls (shown only for products without lighting).
    QSlider *sleepSlider() const { return m_sleepSlider; }
    QLabel *sleepValueLabel() const { return m_sleepValue; }
    QCheckBox *moveOffBox() const { return m_moveOffBox; }

public slots:
    // No effect: the page's button group holds no buttons.
    void onRadioChanged();
    // No effect.
    void onStateChanged(int state);
    // Stores the link flag of a stage.
    void onLinkChanged(quint8 link, quint8 stage);
    // Stores the enable flag of a stage; every stage may be disabled.
    void onEnableChanged(quint8 used, quint8 stage);
    // Stores the positions of a stage.
    void onSliderChanged(int x, int y, quint8 stage);
    // Makes a stage current and highlights it.
    void MouseinSignal(quint8 stage);
    // No effect: the range-end labels are not clickable.
    void slotLabelClick(TarnLabel *label);
    // "MOVE TO LIGHT OFF" clicked.
    void checkbtn_clicked();
    // The sleep slider moved.
    void slider_clicked(int iValue);
    // No effect.
    void slotSliderMouseChange();

private:
    bool sleepGroupShown() const;
    void showSleepValue(int minutes);
    void highlightCurrent();

    ConfigData *m_config = nullptr;
    int m_slot = 0;
    ProfileData m_profile;
    LightingEditor m_lighting;

    QLabel *m_heading;
    TarnSingleDPI *m_rows[DpiStageSlots];
    QButtonGroup *m_group;
    QLabel *m_sleepTitle;
    QSlider *m_sleepSlider;
    QLabel *m_sleepValue;
    QCheckBox *m_moveOffBox;
};
