#pragma once

#include "ui/pages/ConfigPage.h"

// The polling-rate and lift-off page.
class TarnReportRate : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnReportRate(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;

    // The mouse reported a new polling-rate code: show it.
    void setRate(quint8 code);

signals:
    // The lift-off value changed; the window stores it at once.
    void RefreshLift(quint8 iLift);
};
