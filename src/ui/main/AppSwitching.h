#pragma once

#include "platform/ActiveWindowWatcher.h"

#include <QObject>

#include <memory>

class AppSwitchPolicy;
class MousecfgWidget;
class QAction;
class QFileSystemWatcher;

// The window's automatic slot switching: watches the window in front while rules exist and switching
// is on, and selects slots as a click on a slot indicator does. Adds its two entries to the tray menu.
class AppSwitching : public QObject
{
    Q_OBJECT
public:
    // Switching for `window`, with the session's watcher.
    explicit AppSwitching(MousecfgWidget *window);
    ~AppSwitching() override;

    // The kind of watcher this session has (None: switching cannot work here).
    WatcherKind watcherKind() const { return m_kind; }
    // The watcher, or null when the session has none.
    ActiveWindowWatcher *watcher() const { return m_watcher.get(); }
    // The rules behind the switches.
    AppSwitchPolicy *policy() const { return m_policy; }
    // The sentence telling whether switching works on this desktop.
    QString supportSentence() const;
    // Starts or stops watching after the rules file changed.
    void rulesChanged();
    // Turns switching on or off in the rules file.
    void setSwitchingOn(bool on);
    // The tray menu entries: "Applications…" and the on/off switch.
    QAction *dialogAction() const { return m_dialogAction; }
    QAction *switchAction() const { return m_switchAction; }
    // Sets the texts again through the translator.
    void retranslate();
    // Runs the "APPLICATIONS" dialog.
    void openDialog();
    // The programs with windows open now, by the names a rule would use (this program left out).
    QStringList openPrograms() const;

private:
    QString blocker() const;
    bool switchTo(int slot);

    MousecfgWidget *m_window;
    WatcherKind m_kind;
    std::unique_ptr<ActiveWindowWatcher> m_watcher;
    AppSwitchPolicy *m_policy;
    QFileSystemWatcher *m_fileWatcher;
    QAction *m_dialogAction = nullptr;
    QAction *m_switchAction = nullptr;
    bool m_watching = false;
    bool m_watchFailed = false;
};
