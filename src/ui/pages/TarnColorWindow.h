#pragma once

#include "ui/pages/ConfigPage.h"

// The lighting page: effect, brightness, speed, colour and sleep time.
class TarnColorWindow : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnColorWindow(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;

    // The mouse reported a lighting effect: show its controls.
    void setModeReport(quint8 mode);
};
