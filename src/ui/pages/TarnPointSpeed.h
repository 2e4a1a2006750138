#pragma once

#include "ui/pages/ConfigPage.h"

// The performance page: pointer and scroll speed of a slot and the global sensor settings.
class TarnPointSpeed : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnPointSpeed(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;
};
