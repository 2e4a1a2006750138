#include "ui/main/TrayIcon.h"

#include "platform/Autostart.h"
#include "platform/TrayHost.h"
#include "ui/widgets/UserPrompts.h"

#include <QCoreApplication>
#include <QMenu>

TrayIcon::TrayIcon(const QIcon &icon, const QString &toolTip, QObject *parent)
    : QObject(parent)
    , m_menu(new QMenu)
    , m_icon(new QSystemTrayIcon(icon, this))
{
    m_loadConfig = m_menu->addAction(QString());
    m_startAtLogin = m_menu->addAction(QString());
    m_startAtLogin->setCheckable(true);
    m_startAtLogin->setChecked(Autostart().isEnabled());
    m_quit = m_menu->addAction(QString());
    connect(m_startAtLogin, &QAction::triggered, this, &TrayIcon::setStartAtLogin);
    connect(m_loadConfig, &QAction::triggered, this, &TrayIcon::showRequested);
    connect(m_quit, &QAction::triggered, QCoreApplication::instance(), &QCoreApplication::quit);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
    // A login start into a tray that is not there would leave the window out of reach.
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_startAtLogin->setVisible(TrayHost::available()); });
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(toolTip);
    retranslate();
    m_icon->show();
}

TrayIcon::~TrayIcon()
{
    // The menu has no parent: a tray menu must not be a child of the window it shows.
    delete m_menu;
}

void TrayIcon::retranslate()
{
    m_loadConfig->setText(tr("&Load Config"));
    m_startAtLogin->setText(tr("Start at login"));
    m_quit->setText(tr("&Quit"));
}

void TrayIcon::setStartAtLogin(bool enabled)
{
    Autostart autostart;
    if (autostart.setEnabled(enabled))
        return;
    m_startAtLogin->setChecked(autostart.isEnabled());
    ShowWarning(tr("Warning"),
                tr("The login start entry %1 could not be changed.").arg(Autostart::filePath()), nullptr);
}
