#pragma once

#include "device/session/MouseSession.h"
#include "storage/ConfigData.h"
#include "ui/main/ProfileHost.h"

#include <QStringList>

#include <functional>

// Stands in for the main window behind the profile operations: holds the working configuration and the
// library list, and counts the window hooks it was asked to run.
class ProfileTestHost : public ProfileHost
{
public:
    ConfigData config;
    QStringList library;
    // What "Apply" takes from the pages; none by default.
    std::function<void(ConfigData &)> pages;
    QWidget *parent = nullptr;
    // The session the operations talk to the mouse through (the test's own).
    MouseSession *session = nullptr;
    int collected = 0;
    int refreshed = 0;
    int speedApplied = 0;
    int hidden = 0;
    int firstTabShown = 0;

    ConfigData &workingConfig() override { return config; }
    QStringList &libraryList() override { return library; }
    void collectPageState() override
    {
        ++collected;
        if (pages)
            pages(config);
    }
    void refreshPages() override { ++refreshed; }
    void applySlotMouseSpeed() override { ++speedApplied; }
    MouseSession &mouseSession() override { return *session; }
    QWidget *dialogParent() override { return parent; }
    void hideWindow() override { ++hidden; }
    void showFirstTab() override { ++firstTabShown; }
};
