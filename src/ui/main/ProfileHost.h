#pragma once

#include <QStringList>

struct ConfigData;
class MouseSession;
class QWidget;

// What the profile operations need from the main window: the working configuration, the profile
// library list, and the window's page and upload hooks.
class ProfileHost
{
public:
    virtual ~ProfileHost() = default;
    // The working configuration (current slot, five slots, global settings, slot names).
    virtual ConfigData &workingConfig() = 0;
    // The ordered names of the product's stored profiles.
    virtual QStringList &libraryList() = 0;
    // Copies the pages' values into the current slot and the global settings ("Apply").
    virtual void collectPageState() = 0;
    // Shows the current slot on every page and checks its slot indicator.
    virtual void refreshPages() = 0;
    // Sets the system pointer speed from the current slot.
    virtual void applySlotMouseSpeed() = 0;
    // The program's mouse: its link, uploads and status thread.
    virtual MouseSession &mouseSession() = 0;
    // Parent of modal boxes and dialogs.
    virtual QWidget *dialogParent() = 0;
    // Hides the main window ("OK", "Cancel").
    virtual void hideWindow() = 0;
    // Sets every text of the window again (after a profile reset, as the window's text pass does).
    virtual void retranslateWindow() { }
    // Shows the first tab and the product's arrow pictures (after a configuration was loaded).
    virtual void showFirstTab() { }
};
