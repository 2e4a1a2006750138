#include "CliRun.h"
#include "PrivateBus.h"
#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "appprofiles/AppProfileFile.h"
#include "platform/GnomeShellActiveWindowWatcher.h"
#include "platform/GnomeShellExtension.h"
#include "storage/ConfigStore.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/widgets/TarnPushButton.h"
#include "virtualmouse/VirtualMouse.h"

#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>

// GNOME on Wayland: a real headless GNOME Shell of the test's own loads the shipped extension, and the
// slot follows the Wayland clients that take the focus; the dialog tells whether the extension is on
// and turns it on. A stand-in shell checks that nobody else can name the window in front.
class TestGnomeShell : public QObject
{
    Q_OBJECT
public:
    explicit TestGnomeShell(QString shellProblem)
        : m_shellProblem(std::move(shellProblem))
    { }

private slots:
    void onlyTheShellIsHeard_data();
    void onlyTheShellIsHeard();
    void slotFollowsTheFocusedWindow();

private:
    QString m_shellProblem;
};

namespace {

// Longest wait for a switch after the shell reported the window, as on X11.
constexpr int SwitchBoundMs = 1500;

// What a shell offers the watcher: its version and the extension's record, on one object.
class ShellStandIn : public QObject
{
    Q_OBJECT
public:
    double state = 1;
};

class ShellExtensionsAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.Extensions")
public:
    explicit ShellExtensionsAdaptor(ShellStandIn *shell)
        : QDBusAbstractAdaptor(shell)
        , m_shell(shell)
    { }

public slots:
    QVariantMap GetExtensionInfo(const QString &uuid) { return { { "uuid", uuid }, { "state", m_shell->state } }; }

private:
    ShellStandIn *m_shell;
};

class ShellVersionAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell")
    Q_PROPERTY(QString ShellVersion READ shellVersion)
public:
    explicit ShellVersionAdaptor(QObject *parent)
        : QDBusAbstractAdaptor(parent)
    { }
    QString shellVersion() const { return QStringLiteral("46.2"); }
};

// Whether the shell shows its overview (where no window has the focus); sets it first when `set`.
bool overviewActive(QDBusConnection bus, const bool *set = nullptr)
{
    const QString shell = QStringLiteral("org.gnome.Shell");
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    if (set) {
        QDBusMessage message = QDBusMessage::createMethodCall(shell, "/org/gnome/Shell", properties, "Set");
        message << shell << QStringLiteral("OverviewActive") << QVariant::fromValue(QDBusVariant(*set));
        bus.call(message, QDBus::Block, 5000);
    }
    QDBusMessage message = QDBusMessage::createMethodCall(shell, "/org/gnome/Shell", properties, "Get");
    message << shell << QStringLiteral("OverviewActive");
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5000);
    return reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

void callWatcher(QDBusConnection bus, const QString &target, const QStringList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(target, GnomeShellActiveWindowWatcher::ObjectPath,
                                                          "org.mousecfg.ActiveWindow", "windowActivated");
    for (const QString &argument : arguments)
        message << argument;
    QVERIFY(bus.send(message));
}

bool traceHoldsSelect(const QString &trace, int slot)
{
    QFile file(trace);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QRegularExpression select(
        QStringLiteral("^W 05[0-9a-f]{2}fa44%1").arg(slot, 2, 16, QLatin1Char('0')),
        QRegularExpression::MultilineOption);
    return select.match(QString::fromLatin1(file.readAll())).hasMatch();
}

// The headless shell with its buses and folders; its problem when it could not start.
struct HeadlessShell
{
    QTemporaryDir home;
    QProcess sessionBus;
    QProcess systemBus;
    QProcess shell;
    QString socket;
    QString uuid;
    QString problem;

    static QString busAddress(QProcess &daemon)
    {
        // In a process group of its own with the services it starts, which end with it.
        daemon.start(QStringLiteral("setsid"),
                     { "dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1" });
        return daemon.waitForReadyRead(10000) ? QString::fromUtf8(daemon.readLine()).trimmed() : QString();
    }

    void start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("gnome-shell"));
        if (program.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            problem = QStringLiteral("gnome-shell or dbus-daemon is not installed (scripts/install-deps.sh)");
            return;
        }
        QProcess version;
        version.start(program, { "--version" });
        version.waitForFinished(10000);
        uuid = GnomeShellExtension::uuidForShell(
            QString::fromUtf8(version.readAllStandardOutput()).section(QLatin1Char(' '), -1).trimmed());
        // The user's extension folder of the test's home holds the shipped extension.
        const QString extensions = home.path() + QStringLiteral("/data/gnome-shell/extensions/") + uuid;
        QDir().mkpath(extensions);
        for (const char *file : { "metadata.json", "extension.js" })
            QFile::copy(QStringLiteral(MOUSECFG_SOURCE_DIR "/data/gnome-shell/") + uuid + '/' + file,
                        extensions + '/' + file);
        const QString runtime = home.path() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        ::chmod(QFile::encodeName(runtime).constData(), 0700);
        // Both buses are the test's own: the shell asks the system bus for logind and gives up without one.
        const QString session = busAddress(sessionBus);
        const QString system = busAddress(systemBus);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", session);
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", system);
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + QStringLiteral("/config"));
        env.insert("XDG_DATA_HOME", home.path() + QStringLiteral("/data"));
        env.insert("XDG_CACHE_HOME", home.path() + QStringLiteral("/cache"));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        shell.setProcessEnvironment(env);
        shell.setStandardOutputFile(home.path() + QStringLiteral("/shell.log"));
        shell.setStandardErrorFile(home.path() + QStringLiteral("/shell.log"));
        // In a session of its own: on its way out the shell signals its whole process group.
        shell.start(QStringLiteral("setsid"), { program, "--headless", "--wayland", "--no-x11", "--virtual-monitor",
                                                "1280x800", "--wayland-display", "mousecfg-shell" });
        socket = QStringLiteral("mousecfg-shell");
        if (session.isEmpty() || !shell.waitForStarted(10000)) {
            problem = QStringLiteral("the buses or the shell did not start");
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", session.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        QDBusConnection bus = QDBusConnection::connectToBus(session, QStringLiteral("probe"));
        bool up = false;
        for (int i = 0; i < 300 && shell.state() == QProcess::Running && !up; ++i) {
            up = QFile::exists(runtime + '/' + socket)
                && bus.interface()->isServiceRegistered(QStringLiteral("org.gnome.Shell")).value();
            if (!up)
                QThread::msleep(100);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("probe"));
        if (!up) {
            QFile log(home.path() + QStringLiteral("/shell.log"));
            log.open(QIODevice::ReadOnly);
            problem = QStringLiteral("gnome-shell --headless did not start: ")
                + QString::fromLocal8Bit(log.readAll().right(2000));
        }
    }

    ~HeadlessShell()
    {
        // GIO (GNOME's settings, read by the window) ends its process when its session bus closes.
        std::signal(SIGTERM, SIG_IGN);
        for (QProcess *process : { &shell, &sessionBus, &systemBus }) {
            // The bus daemons' groups hold the services they started (settings, accessibility).
            if (process->processId() > 0)
                ::kill(-pid_t(process->processId()), SIGTERM);
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
    }
};

} // namespace

void TestGnomeShell::onlyTheShellIsHeard_data()
{
    QTest::addColumn<double>("state");
    QTest::addColumn<bool>("starts");
    QTest::newRow("extension running") << 1.0 << true;
    QTest::newRow("extension off") << 2.0 << false;
    QTest::newRow("extension failed") << 3.0 << false;
}

void TestGnomeShell::onlyTheShellIsHeard()
{
    QFETCH(double, state);
    QFETCH(bool, starts);
    PrivateBus bus;
    if (bus.address().isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    QProcess game;
    game.start(QStringLiteral("sleep"), { "60" });
    QVERIFY(game.waitForStarted());
    {
        QDBusConnection client = QDBusConnection::connectToBus(bus.address(), QStringLiteral("client"));
        QVERIFY(client.registerService(QStringLiteral("org.mousecfg.mousecfg")));
        GnomeShellActiveWindowWatcher watcher(client);
        // No shell on the bus: nothing to watch with.
        QVERIFY(!watcher.start());

        QDBusConnection shellBus = QDBusConnection::connectToBus(bus.address(), QStringLiteral("shell"));
        // The watcher asks the shell and waits: the stand-in answers from a thread of its own.
        auto *shell = new ShellStandIn;
        shell->state = state;
        new ShellExtensionsAdaptor(shell);
        new ShellVersionAdaptor(shell);
        QVERIFY(shellBus.registerService(QStringLiteral("org.gnome.Shell")));
        QThread shellThread;
        shell->moveToThread(&shellThread);
        shellThread.start();
        const auto endThread = qScopeGuard([&shellThread, &shellBus, shell] {
            shellBus.unregisterObject(QStringLiteral("/org/gnome/Shell"));
            QMetaObject::invokeMethod(shell, [shell] { delete shell; }, Qt::BlockingQueuedConnection);
            shellThread.quit();
            shellThread.wait();
        });
        QVERIFY(shellBus.registerObject(QStringLiteral("/org/gnome/Shell"), shell, QDBusConnection::ExportAdaptors));
        QSignalSpy changes(&watcher, &ActiveWindowWatcher::activeWindowChanged);
        QCOMPARE(watcher.start(), starts);

        const QString target = QStringLiteral("org.mousecfg.mousecfg");
        // Another program on the bus cannot name the window in front, whatever it sends.
        QDBusConnection impostor = QDBusConnection::connectToBus(bus.address(), QStringLiteral("impostor"));
        callWatcher(impostor, target, { "Other", "other", "1" });
        callWatcher(shellBus, target, { "Racer", "org.example.Racer", QString::number(game.processId()) });
        if (!starts) {
            QTest::qWait(300);
            QCOMPARE(changes.size(), 0);
        } else {
            QTRY_COMPARE(changes.size(), 1);
            ActiveWindow window = changes.at(0).at(0).value<ActiveWindow>();
            QCOMPARE(window.executable, QString("sleep"));
            QCOMPARE(window.pid, game.processId());
            QCOMPARE(window.classes, QStringList({ "org.example.Racer", "Racer" }));
            // No window in focus; a window of no known process is known by its class and app id.
            callWatcher(shellBus, target, { "", "", "" });
            callWatcher(shellBus, target, { "notes", "notes", "" });
            QTRY_COMPARE(changes.size(), 3);
            QVERIFY(changes.at(1).at(0).value<ActiveWindow>().isEmpty());
            window = changes.at(2).at(0).value<ActiveWindow>();
            QVERIFY(window.executable.isEmpty());
            QCOMPARE(window.classes, QStringList({ "notes" }));
            watcher.stop();
            callWatcher(shellBus, target, { "Racer", "org.example.Racer", QString::number(game.processId()) });
            QTest::qWait(300);
            QCOMPARE(changes.size(), 3);
        }
    }
    for (const char *name : { "client", "shell", "impostor" })
        QDBusConnection::disconnectFromBus(QLatin1String(name));
    game.kill();
    game.waitForFinished();
}

void TestGnomeShell::slotFollowsTheFocusedWindow()
{
    if (!m_shellProblem.isEmpty())
        QSKIP(qPrintable(m_shellProblem));
    for (const char *client : { "weston-flower", "weston-clickdot" }) {
        if (QStandardPaths::findExecutable(QLatin1String(client)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (weston)").arg(QLatin1String(client))));
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(bus.isConnected());
    // The window program owns this name: the extension calls it.
    QVERIFY(bus.registerService(QStringLiteral("org.mousecfg.mousecfg")));
    GnomeShellExtension extension(bus);
    // The shell takes its bus name before its extension system answers.
    QTRY_COMPARE_WITH_TIMEOUT(int(extension.state()), int(GnomeShellExtension::State::Off), 20000);

    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    config.ProfileID = 0;
    QVERIFY(SaveConfig(config));
    AppProfileRules rules;
    QVERIFY(rules.setRule("weston-flower", 3));
    QVERIFY(rules.setRule("weston-clickdot", 2));
    QVERIFY(rules.setDefaultSlot(0));
    QVERIFY(AppProfileFile::save(rules));
    // The doctor tells the same, with the command as its fix.
    const QString doctorOff = "PROBLEM  GNOME Shell extension: " + extension.uuid()
        + " is installed but off; fix: gnome-extensions enable " + extension.uuid();
    QVERIFY2(runCli(dir, { "doctor" }, "receiver").output.contains(doctorOff), qPrintable(doctorOff));
    const QString trace = dir.path() + "/window.trace";
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    qputenv("MOUSECFG_START_HIDDEN", "1");
    ScriptedPrompts prompts;
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    AppSwitching *switching = window.appSwitching();
    QCOMPARE(int(switching->watcherKind()), int(WatcherKind::GnomeShell));
    QTRY_VERIFY(window.mouseConnected());
    auto *mouse = window.findChild<VirtualMouse *>();
    QVERIFY(mouse);
    QSignalSpy reports(switching->watcher(), &ActiveWindowWatcher::activeWindowChanged);

    // Off: the dialog says so and shows the command; its button turns the extension on.
    {
        AppProfilesDialog dialog(QString(), {}, 0, &window);
        switching->attachDialog(&dialog);
        QVERIFY2(dialog.findChild<QLabel *>("appSupport")->text().contains("is off"),
                 qPrintable(dialog.findChild<QLabel *>("appSupport")->text()));
        QVERIFY(dialog.enableCommandField()->isVisibleTo(&dialog));
        QCOMPARE(dialog.enableCommandField()->text(), "gnome-extensions enable " + extension.uuid());
        QVERIFY(dialog.enableButton()->isVisibleTo(&dialog));
        dialog.enableButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(int(extension.state()), int(GnomeShellExtension::State::On), 10000);
        QTRY_VERIFY(!dialog.enableCommandField()->isVisibleTo(&dialog));
        QVERIFY2(dialog.findChild<QLabel *>("appSupport")->text().contains("through the GNOME Shell extension"),
                 qPrintable(dialog.findChild<QLabel *>("appSupport")->text()));
    }
    const CliResult doctor = runCli(dir, { "doctor" }, "receiver");
    QVERIFY2(doctor.output.contains("OK       GNOME Shell extension: " + extension.uuid() + " runs"),
             qPrintable(doctor.output));

    // The shell opens in its overview once started, where no window takes the focus.
    const bool off = false;
    QTRY_VERIFY_WITH_TIMEOUT(!overviewActive(bus, &off), 10000);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WAYLAND_DISPLAY", qEnvironmentVariable("MOUSECFG_TEST_SHELL_DISPLAY"));
    QProcess flower;
    QProcess clickdot;
    for (QProcess *client : { &flower, &clickdot }) {
        client->setProcessEnvironment(env);
        client->setStandardOutputFile(QProcess::nullDevice());
        client->setStandardErrorFile(QProcess::nullDevice());
    }
    struct Step
    {
        QProcess *start;
        QProcess *end;
        QString executable;
        int slot;
    };
    const QVector<Step> steps { { &flower, nullptr, "weston-flower", 3 },
                                { &clickdot, nullptr, "weston-clickdot", 2 },
                                // Closing the front window gives the focus back to the one under it.
                                { nullptr, &clickdot, "weston-flower", 3 } };
    for (const Step &step : steps) {
        if (step.start)
            step.start->start(step.start == &flower ? "weston-flower" : "weston-clickdot", QStringList());
        if (step.end) {
            step.end->kill();
            step.end->waitForFinished();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!reports.isEmpty()
                                     && reports.last().at(0).value<ActiveWindow>().executable == step.executable,
                                 10000);
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), step.slot, 5000);
        qInfo("slot %d selected %lld ms after the shell reported %s", step.slot + 1, clock.elapsed(),
              qPrintable(step.executable));
        QVERIFY2(clock.elapsed() < SwitchBoundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(int(mouse->selectedProfile()), step.slot);
        QVERIFY(traceHoldsSelect(trace, step.slot));
    }
    QVERIFY(prompts.boxes.isEmpty());
    qunsetenv("MOUSECFG_TRACE");
    qunsetenv("MOUSECFG_START_HIDDEN");
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    flower.kill();
    flower.waitForFinished();
}

int main(int argc, char **argv)
{
    HeadlessShell shell;
    shell.start();
    if (shell.problem.isEmpty()) {
        qputenv("MOUSECFG_TEST_SHELL_DISPLAY", shell.socket.toLocal8Bit());
        // The session as GNOME on Wayland presents it; the program's own windows stay offscreen.
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        qputenv("XDG_SESSION_TYPE", "wayland");
        qputenv("WAYLAND_DISPLAY", shell.socket.toLocal8Bit());
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        TestGnomeShell test(shell.problem);
        result = QTest::qExec(&test, argc, argv);
    }
    return result;
}

#include "test_gnomeshell.moc"
