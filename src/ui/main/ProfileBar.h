#pragma once

#include <QWidget>

class ProfileHost;

// The profile bar: slot selector, profile name, the profile library and its file operations, and the
// configuration's "OK", "Cancel" and "Apply".
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

private:
    ProfileHost *m_host;
};
