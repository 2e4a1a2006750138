#pragma once

#include "storage/ConfigData.h"
#include "ui/pages/ConfigPage.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QRadioButton;
class TarnMenuButton;

// The polling-rate and lift-off page.
class TarnReportRate : public ConfigPage
{
    Q_OBJECT
public:
    // The page with its controls; the window places it.
    explicit TarnReportRate(QWidget *parent = nullptr);

    // Shows slot `slot` of `config` and the global lift-off value.
    void refreshFrom(ConfigData &config, int slot) override;
    // Copies the polling-rate code into slot `slot`.
    void collectInto(ConfigData &config, int slot) const override;
    // Places every control at the current scale.
    void relayout() override;
    // Sets every text again through the translator.
    void retranslate() override;

    // The mouse reported a new polling-rate code: show it.
    void setRate(quint8 code);

    // The polling-rate code and lift value the page holds.
    quint8 rate() const { return m_profile.pollrate; }
    quint8 lift() const { return m_lift; }
    // The controls, for tests.
    TarnMenuButton *rateButton() const { return m_rateButton; }
    QMenu *rateMenu() const { return m_menu; }
    QRadioButton *liftButton(int index) const { return index == 0 ? m_lift1 : m_lift2; }

    // The button text of a polling-rate code ("125 HZ" for 8); empty for an unknown code.
    static QString rateText(quint8 code);

signals:
    // The lift-off value changed; the window stores it at once.
    void RefreshLift(quint8 iLift);

public slots:
    // A lift-off radio button was clicked.
    void onRadioChanged();
    // The lift-off value was chosen elsewhere (the performance page): show it, without telling back.
    void setLift(quint8 lift);

private:
    void showRate(quint8 code);
    void chooseRate(quint8 code);

    ProfileData m_profile;
    quint8 m_lift = 1;

    QLabel *m_rateTitle;
    TarnMenuButton *m_rateButton;
    QMenu *m_menu;
    QAction *m_rateActions[4];
    QLabel *m_liftTitle;
    QButtonGroup *m_liftGroup;
    QRadioButton *m_lift1;
    QRadioButton *m_lift2;
};
