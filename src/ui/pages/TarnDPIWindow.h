#pragma once

#include "ui/pages/ConfigPage.h"

// The DPI page: the DPI stages of a slot with their resolutions, and the current stage.
class TarnDPIWindow : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnDPIWindow(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;

    // The mouse reported a new current stage: highlight it.
    void setCurrentStage(quint8 stage);
    // The resolution in DPI that stage `stage` (0..7) shows.
    int stageDpi(int stage) const;
};
