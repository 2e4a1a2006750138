#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The tray icon with its menu: "&Load Config" (show the window), "Start at login" and "&Quit".
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    // A tray icon with the window's icon and tooltip; shown at once.
    TrayIcon(const QIcon &icon, const QString &toolTip, QObject *parent = nullptr);
    ~TrayIcon() override;

    // The icon itself.
    QSystemTrayIcon *icon() const { return m_icon; }
    // The menu's "&Load Config" action.
    QAction *loadConfigAction() const { return m_loadConfig; }
    // The menu's "&Quit" action.
    QAction *quitAction() const { return m_quit; }
    // The menu's checkable "Start at login" action.
    QAction *startAtLoginAction() const { return m_startAtLogin; }
    // Sets the menu texts again through the translator.
    void retranslate();

signals:
    // "&Load Config" was chosen.
    void showRequested();
    // The icon was activated (clicked or double-clicked) for `reason`.
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    void setStartAtLogin(bool enabled);

    QMenu *m_menu;
    QSystemTrayIcon *m_icon;
    QAction *m_loadConfig;
    QAction *m_quit;
    QAction *m_startAtLogin;
};
