#pragma once

#include "ui/pages/ConfigPage.h"

class TarnPushButton;

// The button page: the buttons of the current slot, each with the function it carries.
class TarnBtnWindow : public ConfigPage
{
    Q_OBJECT
public:
    // An empty page; the window places it.
    explicit TarnBtnWindow(QWidget *parent = nullptr);

    // Shows the buttons of slot `slot` of `config` and edits them in place.
    void refreshFrom(ConfigData &config, int slot) override;
    // Selects button `index` of `group` (0 front, 1 side, 2 wheel; 255 keeps the group) and shows
    // the view that holds it.
    void selectButton(int index, int group);

signals:
    // A button of the page is highlighted (true) or released from highlight (false).
    void SelBtnControl(TarnPushButton *button, bool bType);
    // The selection moved to button `iBtn` of group `iType`.
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    // A macro function was picked while no macro exists: the window opens tab `iBtn` (3, macros).
    void GotoMacroTab(quint8 iBtn);
    // A pick would leave no left-click function.
    void PopOneClickBox();
};
