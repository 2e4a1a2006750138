#pragma once

#include "platform/ActiveWindowWatcher.h"
#include "platform/GnomeShellExtension.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AppProfilesDialog;
class AppSwitchPolicy;
class MousecfgWidget;
class QAction;
class QFileSystemWatcher;
class TrayIcon;

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
    // The sentence telling whether switching works on this desktop (on GNOME, asks the shell).
    QString supportSentence() const;
    // The desktop as the sentence names it ("GNOME (Wayland)"), empty when the session names none.
    QString desktopLabel() const { return m_desktop; }
    // Starts or stops watching after the rules file changed.
    void rulesChanged();
    // Turns switching on or off in the rules file.
    void setSwitchingOn(bool on);
    // Adds the two entries to the tray icon's menu.
    void addTrayEntries(TrayIcon *tray);
    // The tray menu entries: "Applications…" and the on/off switch.
    QAction *dialogAction() const { return m_dialogAction; }
    QAction *switchAction() const { return m_switchAction; }
    // Sets the texts again through the translator.
    void retranslate();
    // Lets `dialog` tell the desktop's sentence (with the command that turns GNOME Shell's extension on,
    // when it is off) and follows its edits and requests.
    void attachDialog(AppProfilesDialog *dialog);
    // Runs the "APPLICATIONS" dialog.
    void openDialog();
    // The programs with windows open now, by the names a rule would use (this program left out).
    QStringList openPrograms() const;

private slots:
    void extensionStateChanged(const QString &uuid);

private:
    QString blocker() const;
    void showSupport(AppProfilesDialog *dialog);
    void runEnableCommand(AppProfilesDialog *dialog);
    void followEnabling(AppProfilesDialog *dialog, int checksLeft);
    bool switchTo(int slot);

    MousecfgWidget *m_window;
    QString m_desktop;
    WatcherKind m_kind;
    std::unique_ptr<ActiveWindowWatcher> m_watcher;
    AppSwitchPolicy *m_policy;
    QFileSystemWatcher *m_fileWatcher;
    QPointer<AppProfilesDialog> m_dialog;
    QAction *m_dialogAction = nullptr;
    QAction *m_switchAction = nullptr;
    bool m_watching = false;
    bool m_watchFailed = false;
};
