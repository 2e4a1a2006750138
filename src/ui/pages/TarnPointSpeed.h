#pragma once

#include "ui/pages/ConfigPage.h"

#include <QtGlobal>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;
class TarnPushButton;
class TarnReportRate;
struct ProfileData;

// The performance page: the global sensor settings (key response, sync, lift distance, angle
// snapping, jitter, motion wake, sensor mode), the slot's scroll speed and a way to the desktop's
// mouse settings. Which sensor switches it offers depends on the product's "SyncMode":
// 0 offers none of sync, angle snapping and jitter (the mouse ignores them), 1 offers all three,
// 2 offers angle snapping and jitter but not sync.
class TarnPointSpeed : public ConfigPage
{
    Q_OBJECT
public:
    // The page with its controls; the window places it.
    explicit TarnPointSpeed(QWidget *parent = nullptr);

    // Shows slot `slot` of `config` (kept, its scroll speed edited in place) and the global values.
    void refreshFrom(ConfigData &config, int slot) override;
    // Copies the slot's pointer and scroll speed and the global values into `config`; the lift-off
    // value only when it was chosen here since the last refresh or setLift().
    void collectInto(ConfigData &config, int slot) const override;
    // Places the controls of the product's arrangement at the current scale.
    void relayout() override;
    // Sets every text again through the translator.
    void retranslate() override;
    // Keeps this page's lift-off choice and `rate`'s the same: a choice on either shows on both.
    void pairLiftWith(TarnReportRate *rate);

    // The global values the page holds.
    struct SensorValues
    {
        quint8 sync = 0;
        quint8 lift = 1;
        quint8 angle = 1;
        quint8 jitter = 1;
        quint8 debounce = 1;
        quint8 wake = 1;
        quint8 sensorMode = 1;
    };
    const SensorValues &values() const { return m_values; }

    // The controls, for tests.
    QSlider *keyResponseSlider() const { return m_keySlider; }
    QSpinBox *scrollSpeedBox() const { return m_scrollBox; }
    QCheckBox *syncBox() const { return m_syncBox; }
    QCheckBox *liftBox(int index) const { return m_liftBoxes[index]; }
    QCheckBox *angleBox() const { return m_angleBox; }
    QCheckBox *jitterBox() const { return m_jitterBox; }
    QCheckBox *wakeBox() const { return m_wakeBox; }
    QCheckBox *sensorModeBox(int mode) const { return m_modeBoxes[mode]; }
    TarnPushButton *mouseSettingButton() const { return m_settingsButton; }
    // The notice shown where the desktop's pointer speed cannot be set from here.
    QLabel *pointerSpeedNotice() const { return m_speedNotice; }

signals:
    // The user chose a lift-off value here; the window stores it at once.
    void liftChosen(quint8 lift);

public slots:
    // The lift-off value was chosen elsewhere (the polling-rate page): show it and keep it.
    void setLift(quint8 lift);
    // The scroll speed box changed.
    void sValueChangedSlot(int value);
    // Any check box was clicked: store every switch.
    void checkbtn_clicked();
    // "Mouse Setting": start the desktop's mouse settings.
    void btn_clicked();

private:
    void showValues();

    ProfileData *m_profile = nullptr;
    SensorValues m_values;
    bool m_liftChosenHere = false;

    QLabel *m_keyTitle;
    QSlider *m_keySlider;
    QLabel *m_keyValue;
    QLabel *m_scrollTitle;
    QSpinBox *m_scrollBox;
    QCheckBox *m_syncBox;
    QLabel *m_liftTitle;
    QButtonGroup *m_liftGroup;
    QCheckBox *m_liftBoxes[2];
    QCheckBox *m_angleBox;
    QCheckBox *m_jitterBox;
    QCheckBox *m_wakeBox;
    QLabel *m_modeTitle;
    QButtonGroup *m_modeGroup;
    QCheckBox *m_modeBoxes[3];
    TarnPushButton *m_settingsButton;
    QLabel *m_speedNotice;
};
