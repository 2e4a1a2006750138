#include "ui/main/AppSwitching.h"

#include "appprofiles/AppProfileFile.h"
#include "appprofiles/AppSwitchPolicy.h"
#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileSystemWatcher>
#include <QMenu>

AppSwitching::AppSwitching(MousecfgWidget *window)
    : QObject(window)
    , m_window(window)
    , m_kind(DetectWatcherKind())
    , m_watcher(CreateActiveWindowWatcher(m_kind))
    , m_policy(new AppSwitchPolicy(
          [] { return AppProfileFile::load(); }, [window] { return int(window->workingConfig().ProfileID); },
          [this] { return blocker(); }, [this](int slot) { return switchTo(slot); }, this))
    , m_fileWatcher(new QFileSystemWatcher(this))
{
    qRegisterMetaType<ActiveWindow>();
    m_policy->setOwnPid(QCoreApplication::applicationPid());
    if (m_watcher)
        connect(m_watcher.get(), &ActiveWindowWatcher::activeWindowChanged, m_policy,
                &AppSwitchPolicy::activeWindowChanged);
    connect(m_policy, &AppSwitchPolicy::refused, this, [this](int slot) {
        m_window->showOsdText(tr("The mouse did not switch to profile %1").arg(slot + 1));
    });
    connect(m_policy, &AppSwitchPolicy::held, this, [](int slot, const QString &reason) {
        qCDebug(lcUi) << "slot" << slot + 1 << "not selected:" << reason;
    });
    // Edits from the command-line tool count at once: the file is replaced, so its folder changes.
    QDir().mkpath(AppPaths::configsDir());
    m_fileWatcher->addPath(AppPaths::configsDir());
    connect(m_fileWatcher, &QFileSystemWatcher::directoryChanged, this, &AppSwitching::rulesChanged);

    if (TrayIcon *tray = window->tray()) {
        QMenu *menu = tray->icon()->contextMenu();
        m_dialogAction = new QAction(this);
        m_dialogAction->setObjectName(QStringLiteral("applicationsAction"));
        connect(m_dialogAction, &QAction::triggered, this, &AppSwitching::openDialog);
        m_switchAction = new QAction(this);
        m_switchAction->setObjectName(QStringLiteral("appSwitchAction"));
        m_switchAction->setCheckable(true);
        connect(m_switchAction, &QAction::triggered, this, &AppSwitching::setSwitchingOn);
        if (menu) {
            menu->insertAction(tray->quitAction(), m_dialogAction);
            menu->insertAction(tray->quitAction(), m_switchAction);
        }
    }
    if (window->languageSwitch())
        connect(window->languageSwitch(), &LanguageSwitch::languageChanged, this, &AppSwitching::retranslate);
    connect(window->profileBar(), &ProfileBar::applicationsRequested, this, &AppSwitching::openDialog);
    retranslate();
    rulesChanged();
}

AppSwitching::~AppSwitching() = default;

QString AppSwitching::supportSentence() const
{
    switch (m_kind) {
    case WatcherKind::X11:
        return tr("Profiles follow the program in front on this desktop.");
    case WatcherKind::KWin:
        return tr("Profiles follow the program in front through KDE Plasma.");
    case WatcherKind::Sway:
        return tr("Profiles follow the program in front through sway.");
    case WatcherKind::Wlroots:
        return tr("Profiles follow the program in front through this compositor's window list, by "
                  "application id only.");
    case WatcherKind::None:
        break;
    }
    return tr("This desktop does not tell which program is in front, so profiles cannot follow it here.");
}

void AppSwitching::rulesChanged()
{
    const AppProfileRules rules = AppProfileFile::load();
    if (m_switchAction) {
        m_switchAction->setEnabled(!rules.rules().isEmpty() && m_watcher);
        m_switchAction->setChecked(rules.switchingActive());
    }
    const bool watch = rules.switchingActive() && m_watcher;
    if (watch == m_watching)
        return;
    m_watching = watch;
    if (!watch) {
        m_watcher->stop();
    } else if (!m_watcher->start()) {
        // Said once: the folder watch calls here at every settings write.
        if (!m_watchFailed)
            qCWarning(lcUi) << "the window in front cannot be watched";
        m_watchFailed = true;
        m_watching = false;
    }
}

void AppSwitching::setSwitchingOn(bool on)
{
    AppProfileRules rules = AppProfileFile::load();
    rules.setSwitchingWanted(on);
    if (!AppProfileFile::save(rules))
        qCWarning(lcUi) << "cannot write" << AppProfileFile::path();
    rulesChanged();
}

void AppSwitching::retranslate()
{
    if (m_dialogAction)
        m_dialogAction->setText(tr("Applications…"));
    if (m_switchAction)
        m_switchAction->setText(tr("Switch profiles by application"));
}

QString AppSwitching::blocker() const
{
    if (!m_window->mouseConnected())
        return QStringLiteral("no mouse");
    if (m_window->profileBar()->operations()->isUploading())
        return QStringLiteral("an upload runs");
    if (QApplication::activeModalWidget())
        return QStringLiteral("a dialog or box is open");
    // The bar is off exactly while the macro recorder runs.
    if (!m_window->profileBar()->isEnabled())
        return QStringLiteral("the macro recorder runs");
    if (QApplication::activeWindow())
        return QStringLiteral("the program's own window is in front");
    return QString();
}

QStringList AppSwitching::openPrograms() const
{
    QStringList programs;
    if (!m_watcher)
        return programs;
    for (const ActiveWindow &window : m_watcher->openWindows()) {
        if (window.pid == QCoreApplication::applicationPid())
            continue;
        const QString name = !window.executable.isEmpty() ? window.executable : window.classes.value(0);
        if (!name.isEmpty() && !programs.contains(name))
            programs << name;
    }
    programs.sort(Qt::CaseInsensitive);
    return programs;
}

void AppSwitching::openDialog()
{
    AppProfilesDialog dialog(
        supportSentence(), [this] { return openPrograms(); }, m_window->workingConfig().ProfileID, m_window);
    connect(&dialog, &AppProfilesDialog::rulesSaved, this, &AppSwitching::rulesChanged);
    dialog.exec();
}

bool AppSwitching::switchTo(int slot)
{
    if (!m_window->profileBar()->operations()->selectSlot(slot))
        return false;
    m_window->showOsdText(m_window->workingConfig().profileNames[slot]);
    return true;
}
