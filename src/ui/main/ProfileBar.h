#pragma once

#include <QWidget>

class ProfileActions;
class ProfileHost;
class ProfileOperations;
class QLineEdit;
class QMenu;
class TarnLabel;
class TarnPushButton;

// The profile bar: slot selector, profile name, the profile library and its file operations. It also
// creates the footer with the configuration's "OK", "Cancel" and "Apply" (actions()), a sibling in the
// same parent that relayout() places at the bottom right of the window.
class ProfileBar : public QWidget
{
    Q_OBJECT
public:
    // A bar acting on `host`'s working configuration.
    explicit ProfileBar(ProfileHost *host, QWidget *parent = nullptr);

    // Shows the current slot's number and name again (after a reload or an on-mouse change).
    void refresh();
    // Rebuilds the stored-profile drop-down from the library list.
    void rebuildLibraryMenu();
    // Selects slot `slot` as the slot selector does (also used by the window's slot indicators).
    void selectSlot(int slot);
    // Enables or disables every control of the bar (off while a macro is recorded).
    void setControlsEnabled(bool enabled);
    // Places the controls again at the current scale.
    void relayout();
    // Sets every text again through the translator.
    void retranslate();

    // The rules behind the bar (library list loading, uploads), for the window.
    ProfileOperations *operations() const { return m_operations; }
    // The footer with "OK", "Cancel" and "Apply".
    ProfileActions *actions() const { return m_actions; }
    // The slot selector's menu and the library drop-down's menu.
    QMenu *slotMenu() const { return m_slotMenu; }
    QMenu *libraryMenu() const { return m_libraryMenu; }
    // The name field.
    QLineEdit *nameField() const { return m_nameField; }

signals:
    // "APPLICATIONS" was clicked.
    void applicationsRequested();

private:
    template<typename Operation> TarnPushButton *addButton(const char *objectName, Operation operation);
    void styleMenu(QMenu *menu) const;
    void placeRow();
    void showLongNameInToolTip();

    ProfileHost *m_host;
    ProfileOperations *m_operations;
    ProfileActions *m_actions = nullptr;
    TarnPushButton *m_slotButton;
    QMenu *m_slotMenu;
    TarnLabel *m_nameLabel;
    QLineEdit *m_nameField;
    TarnPushButton *m_libraryButton;
    QMenu *m_libraryMenu;
    TarnPushButton *m_add;
    TarnPushButton *m_copy;
    TarnPushButton *m_delete;
    TarnPushButton *m_reset;
    TarnPushButton *m_resetAll;
    TarnPushButton *m_import;
    TarnPushButton *m_export;
    TarnPushButton *m_load;
    TarnPushButton *m_save;
    TarnPushButton *m_applications;
};
