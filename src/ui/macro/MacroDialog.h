#pragma once

#include "ui/pages/ConfigPage.h"

// The macro editor page: the macro library, recording and event editing.
class MacroDialog : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit MacroDialog(QWidget *parent = nullptr);

    // Shows slot `slot` of `config`.
    void refreshFrom(ConfigData &config, int slot) override;

signals:
    // False while a macro is recorded or edited: the window disables its own controls.
    void EnableButtonsSignal(bool enable);
};
