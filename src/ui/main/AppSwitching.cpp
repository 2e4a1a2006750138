#include "ui/main/AppSwitching.h"

#include "appprofiles/AppProfileFile.h"
#include "appprofiles/AppSwitchPolicy.h"
#include "platform/DesktopSession.h"
#include "platform/LogCategories.h"
#include "storage/AppPaths.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitchSupport.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/TrayIcon.h"
#include "ui/widgets/TarnPushButton.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QProcess>
#include <QTimer>

namespace {
// How long the dialog waits for the shell to run the extension once the command asked for it.
constexpr int EnableChecks = 20;
constexpr int EnableCheckMs = 250;
} // namespace

AppSwitching::AppSwitching(MousecfgWidget *window)
    : QObject(window)
    , m_window(window)
    , m_desktop(DesktopSession::current().label())
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

    m_dialogAction = new QAction(this);
    m_dialogAction->setObjectName(QStringLiteral("applicationsAction"));
    connect(m_dialogAction, &QAction::triggered, this, &AppSwitching::openDialog);
    m_switchAction = new QAction(this);
    m_switchAction->setObjectName(QStringLiteral("appSwitchAction"));
    m_switchAction->setCheckable(true);
    connect(m_switchAction, &QAction::triggered, this, &AppSwitching::setSwitchingOn);
    if (window->tray())
        addTrayEntries(window->tray());
    connect(window, &MousecfgWidget::trayCreated, this, &AppSwitching::addTrayEntries);
    if (window->languageSwitch())
        connect(window->languageSwitch(), &LanguageSwitch::languageChanged, this, &AppSwitching::retranslate);
    connect(window->profileBar(), &ProfileBar::applicationsRequested, this, &AppSwitching::openDialog);
    // The extension turned on or off, here or with the command: watching and the dialog follow.
    if (m_kind == WatcherKind::GnomeShell)
        QDBusConnection::sessionBus().connect(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                                              QStringLiteral("org.gnome.Shell.Extensions"),
                                              QStringLiteral("ExtensionStateChanged"), this,
                                              SLOT(extensionStateChanged(QString)));
    retranslate();
    rulesChanged();
}

AppSwitching::~AppSwitching() = default;

QString AppSwitching::supportSentence() const
{
    GnomeShellExtension extension;
    const auto state = m_kind == WatcherKind::GnomeShell ? extension.state() : GnomeShellExtension::State::Unknown;
    return AppSwitchSupport::sentence(m_kind, m_desktop, state);
}

void AppSwitching::showSupport(AppProfilesDialog *dialog)
{
    GnomeShellExtension extension;
    const auto state = m_kind == WatcherKind::GnomeShell ? extension.state() : GnomeShellExtension::State::Unknown;
    dialog->setSupport(AppSwitchSupport::sentence(m_kind, m_desktop, state),
                       AppSwitchSupport::offersEnable(m_kind, state) ? extension.enableCommand().join(QLatin1Char(' '))
                                                                      : QString());
}

void AppSwitching::runEnableCommand(AppProfilesDialog *dialog)
{
    GnomeShellExtension extension;
    if (extension.state() != GnomeShellExtension::State::Off) {
        showSupport(dialog);
        return;
    }
    QStringList command = extension.enableCommand();
    auto *process = new QProcess(dialog);
    dialog->enableButton()->setEnabled(false);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), dialog,
            [dialog, process](int exitCode, QProcess::ExitStatus status) {
                process->deleteLater();
                if (status != QProcess::NormalExit || exitCode != 0)
                    qCWarning(lcUi) << "gnome-extensions enable failed:" << process->readAllStandardError();
                dialog->enableButton()->setEnabled(true);
            });
    connect(process, &QProcess::errorOccurred, dialog, [dialog, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCWarning(lcUi) << "cannot run gnome-extensions:" << process->errorString();
        dialog->enableButton()->setEnabled(true);
        process->deleteLater();
    });
    const QString program = command.takeFirst();
    process->start(program, command);
    // The tool may stay a while after the shell has acted (it also asks the Extensions app).
    followEnabling(dialog, EnableChecks);
}

void AppSwitching::addTrayEntries(TrayIcon *tray)
{
    if (QMenu *menu = tray->icon()->contextMenu()) {
        menu->insertAction(tray->quitAction(), m_dialogAction);
        menu->insertAction(tray->quitAction(), m_switchAction);
    }
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

void AppSwitching::extensionStateChanged(const QString &uuid)
{
    if (!uuid.startsWith(QLatin1String("mousecfg-focus")))
        return;
    if (m_dialog)
        showSupport(m_dialog);
    rulesChanged();
}

void AppSwitching::followEnabling(AppProfilesDialog *dialog, int checksLeft)
{
    // The shell turns the extension on a moment after the command has asked it to.
    if (GnomeShellExtension().state() == GnomeShellExtension::State::On || checksLeft <= 0) {
        showSupport(dialog);
        rulesChanged();
        return;
    }
    QTimer::singleShot(EnableCheckMs, dialog, [this, dialog, checksLeft] { followEnabling(dialog, checksLeft - 1); });
}

void AppSwitching::attachDialog(AppProfilesDialog *dialog)
{
    m_dialog = dialog;
    showSupport(dialog);
    connect(dialog, &AppProfilesDialog::rulesSaved, this, &AppSwitching::rulesChanged);
    connect(dialog, &AppProfilesDialog::enableRequested, this, [this, dialog] { runEnableCommand(dialog); });
}

void AppSwitching::openDialog()
{
    AppProfilesDialog dialog(
        QString(), [this] { return openPrograms(); }, m_window->workingConfig().ProfileID, m_window);
    attachDialog(&dialog);
    dialog.exec();
}

bool AppSwitching::switchTo(int slot)
{
    if (!m_window->profileBar()->operations()->selectSlot(slot))
        return false;
    m_window->showOsdText(m_window->workingConfig().profileNames[slot]);
    return true;
}
