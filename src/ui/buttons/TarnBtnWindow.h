#pragma once

#include "ui/pages/ConfigPage.h"

#include <QVector>

class ButtonMenus;
class QLabel;
class TarnPushButton;
struct ProfileData;

// The button page: the buttons of the current slot, each with the function it carries, and the
// wheel beside them; pressing a button opens the function menu (the wheel menu for the wheel), and
// a pick assigns the function to its record.
class TarnBtnWindow : public ConfigPage
{
    Q_OBJECT
public:
    // Button groups: records 0..19 and the wheel's 40 and 41. Records 20..39 stay in the files as
    // read, but no button of the mouse takes them, so the page offers none (group 1 is empty).
    enum Group : quint8 { FrontGroup = 0, WheelGroup = 2, NoSelection = 255 };

    // The page with its 22 buttons and menus; the window places it.
    explicit TarnBtnWindow(QWidget *parent = nullptr);

    // Shows the buttons of slot `slot` of `config` and edits them in place.
    void refreshFrom(ConfigData &config, int slot) override;
    // Copies the edited buttons into slot `slot` of `config` when it is another configuration.
    void collectInto(ConfigData &config, int slot) const override;
    // Places every button again at the current scale.
    void relayout() override;
    // Rebuilds both menus and every label in the current language.
    void retranslate() override;

    // Selects button `index` of `group` (0 front, 2 wheel; 255 keeps the group); anything else clears
    // the selection.
    void selectButton(int index, int group);
    // Edits `profile` in place from now on and shows its labels.
    void setProfile(ProfileData *profile);
    // Assigns function `fun` to the selected button: the handler of every menu entry, also for the
    // entries no menu offers.
    void assignFunction(int fun);

    // The button of `index` in `group`.
    TarnPushButton *button(int group, int index) const;
    // The current selection; 255 when none.
    quint8 selectedGroup() const { return m_group; }
    quint8 selectedIndex() const { return m_index; }
    // The menus (for the main window's callouts and for tests).
    ButtonMenus *menus() const { return m_menus; }

public slots:
    // A front button was entered from the mouse picture: select it.
    void OnMouseEnterSlot(QWidget *widget);
    // The pointer entered or left one of the page's buttons.
    void slotMouseOver(TarnPushButton *button, bool over);
    // One of the page's buttons was pressed: it becomes the selection.
    void slotMouseEnter(TarnPushButton *button);

signals:
    // A button of the page is highlighted (true) or released from highlight (false).
    void SelBtnControl(TarnPushButton *button, bool bType);
    // The selection moved to button `iBtn` of group `iType`.
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    // A macro function was picked while no macro exists: the window opens tab `iBtn` (3, macros).
    void GotoMacroTab(quint8 iBtn);
    // A pick would leave no left-click function.
    void PopOneClickBox();

private:
    TarnPushButton *createButton(QLabel *&number);
    void setSelection(int group, int index);
    void updateVisibility();
    void refreshLabels();
    void locate(TarnPushButton *button, int &group, int &index) const;

    ConfigData *m_config = nullptr;
    int m_slot = 0;
    ProfileData *m_profile = nullptr;
    quint8 m_group = NoSelection;
    quint8 m_index = NoSelection;
    QVector<TarnPushButton *> m_buttons[3];
    QVector<QLabel *> m_numbers[3];
    QVector<int> m_frontNumbers;
    ButtonMenus *m_menus;
};
