#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "appprofiles/AppProfileFile.h"
#include "platform/PointerSpeedBackend.h"
#include "platform/SwayIpc.h"
#include "platform/SwayPointerSpeed.h"
#include "platform/WlrToplevelWatcher.h"
#include "storage/ConfigStore.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "virtualmouse/VirtualMouse.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// A headless sway of the test's own, with two Wayland clients of other programs and one XWayland
// client: focusing each through sway's IPC switches the mouse's slot as the rules say; sway takes the
// pointer speed; and without $SWAYSOCK the foreign toplevel list of the same sway tells the window in
// front by its app id.
class TestAppSwitchSway : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void slotFollowsTheFocusedWindow();
    void swayTakesThePointerSpeed_data();
    void swayTakesThePointerSpeed();
    void toplevelListTellsTheWindowInFront();
    void cleanupTestCase();
};

namespace {

// Longest wait for a switch after a window is focused, as on X11: the settle time plus the upload, with
// room for a loaded machine.
constexpr int SwitchBoundMs = 1500;
// sway refuses to run as root; the test's sway then runs as this user.
constexpr uid_t UnprivilegedId = 65534;

struct Sway
{
    QTemporaryDir runtime;
    QProcess process;
    QString socket; // $SWAYSOCK
    QString display; // $WAYLAND_DISPLAY
    QString logPath;
};
Sway *g_sway = nullptr;
QVector<QProcess *> g_clients;

QJsonDocument swayRequest(quint32 type, const QByteArray &payload = QByteArray())
{
    return SwayIpc::request(g_sway->socket, type, payload, 5000);
}

bool swayCommand(const QByteArray &command)
{
    const QJsonArray replies = swayRequest(SwayIpc::RunCommand, command).array();
    return !replies.isEmpty() && replies.at(0).toObject().value("success").toBool();
}

// The first container of sway's tree for which `matches` holds, or an empty object.
QJsonObject findContainer(const QJsonObject &node, const std::function<bool(const QJsonObject &)> &matches)
{
    if (matches(node))
        return node;
    for (const char *children : { "nodes", "floating_nodes" }) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            const QJsonObject found = findContainer(child.toObject(), matches);
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

// True once a window whose `key` ("app_id", or "instance" of an X11 window) is `value` has the focus.
bool focused(const QString &key, const QString &value)
{
    const QJsonObject found = findContainer(swayRequest(SwayIpc::GetTree).object(), [&](const QJsonObject &node) {
        const QJsonObject properties = node.value("window_properties").toObject();
        return node.value(key).toString() == value || properties.value(key).toString() == value;
    });
    return found.value("focused").toBool();
}

// Starts a Wayland client of another program; it takes the focus as it maps.
bool startClient(const QString &program, const QString &appId)
{
    auto *client = new QProcess;
    g_clients << client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", g_sway->runtime.path());
    env.insert("WAYLAND_DISPLAY", g_sway->display);
    client->setProcessEnvironment(env);
    client->setStandardOutputFile(QProcess::nullDevice());
    client->setStandardErrorFile(QProcess::nullDevice());
    client->start(program, QStringList());
    QDeadlineTimer deadline(15000);
    while (!focused("app_id", appId) && !deadline.hasExpired())
        QTest::qWait(50);
    return !deadline.hasExpired();
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

} // namespace

void TestAppSwitchSway::initTestCase()
{
    QVERIFY(g_sway);
    QVERIFY(!g_sway->socket.isEmpty());
    const QString flowerId = QStringLiteral("org.freedesktop.weston.flower");
    const QString clickdotId = QStringLiteral("org.freedesktop.weston.wayland-clickdot");
    QVERIFY(startClient(QStringLiteral("weston-flower"), flowerId));
    QVERIFY(startClient(QStringLiteral("weston-clickdot"), clickdotId));
    // The X11 client is started by sway, which knows its XWayland display.
    QVERIFY(swayCommand("exec xmessage -name racer racer"));
    QTRY_VERIFY_WITH_TIMEOUT(focused("instance", "racer"), 20000);
}

void TestAppSwitchSway::slotFollowsTheFocusedWindow()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    config.ProfileID = 0;
    QVERIFY(SaveConfig(config));
    // One program by its executable, one by its app_id, the X11 one by its instance.
    AppProfileRules rules;
    QVERIFY(rules.setRule("weston-flower", 2));
    QVERIFY(rules.setRule("org.freedesktop.weston.wayland-clickdot", 1));
    QVERIFY(rules.setRule("racer", 3));
    QVERIFY(rules.setDefaultSlot(0));
    QVERIFY(AppProfileFile::save(rules));

    const QString trace = dir.path() + "/window.trace";
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    qputenv("MOUSECFG_START_HIDDEN", "1");
    qputenv("SWAYSOCK", g_sway->socket.toLocal8Bit());
    qputenv("WAYLAND_DISPLAY", g_sway->display.toLocal8Bit());
    ScriptedPrompts prompts;
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    QCOMPARE(window.appSwitching()->watcherKind(), WatcherKind::Sway);
    QVERIFY(window.appSwitching()->watcher());
    QTRY_VERIFY(window.mouseConnected());
    auto *mouse = window.findChild<VirtualMouse *>();
    QVERIFY(mouse);
    // The X11 window, in front since it opened last, is read from sway's tree at the start.
    QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), 3, 5000);
    const QStringList open = window.appSwitching()->openPrograms();
    for (const char *name : { "weston-flower", "weston-clickdot", "xmessage" })
        QVERIFY2(open.contains(QLatin1String(name)), qPrintable(open.join(',')));

    struct Step
    {
        QByteArray criteria;
        int slot;
    };
    const QVector<Step> steps { { "[app_id=\"org.freedesktop.weston.flower\"]", 2 },
                                { "[app_id=\"org.freedesktop.weston.wayland-clickdot\"]", 1 },
                                { "[instance=\"racer\"]", 3 },
                                { "[app_id=\"org.freedesktop.weston.flower\"]", 2 } };
    QSignalSpy notices(&window, &MousecfgWidget::osdTextRequested);
    for (const Step &step : steps) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(swayCommand(step.criteria + " focus"));
        QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), step.slot, 5000);
        qInfo("slot %d selected %lld ms after the focus", step.slot + 1, clock.elapsed());
        QVERIFY2(clock.elapsed() < SwitchBoundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(int(mouse->selectedProfile()), step.slot);
        QVERIFY(traceHoldsSelect(trace, step.slot));
        QTRY_VERIFY(!notices.isEmpty());
        QCOMPARE(notices.takeLast().at(0).toString(), window.workingConfig().profileNames[step.slot]);
    }
    QVERIFY(prompts.boxes.isEmpty());

    for (const char *name : { "MOUSECFG_TRACE", "MOUSECFG_VIRTUAL_MOUSE", "MOUSECFG_START_HIDDEN", "SWAYSOCK",
                              "WAYLAND_DISPLAY" })
        qunsetenv(name);
}

void TestAppSwitchSway::swayTakesThePointerSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("accel");
    QTest::newRow("slowest") << 1 << "-1.000";
    QTest::newRow("middle") << 10 << "-0.053";
    QTest::newRow("fastest") << 20 << "1.000";
}

void TestAppSwitchSway::swayTakesThePointerSpeed()
{
    QFETCH(int, speed);
    QFETCH(QString, accel);
    PointerSpeedSession session;
    session.wayland = true;
    session.swaySocket = g_sway->socket;
    auto backend = CreatePointerSpeedBackend(session);
    QCOMPARE(backend->name(), QStringLiteral("sway"));
    QVERIFY(backend->canSet());
    QVERIFY(backend->appliesOnlyWhileRunning());
    QVERIFY(backend->apply(speed));
    // sway accepted the command it would take from swaymsg; its log shows what it handled.
    const QString handled = QStringLiteral("Handling command 'input type:pointer pointer_accel %1'").arg(accel);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QFile log(g_sway->logPath);
            return log.open(QIODevice::ReadOnly) && QString::fromUtf8(log.readAll()).contains(handled);
        }(),
        5000);
    // The headless sway has no pointer to read the value back from: the caller keeps its own.
    int read = 0;
    QVERIFY(!backend->read(&read));
}

void TestAppSwitchSway::toplevelListTellsTheWindowInFront()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(g_sway->runtime.path()));
    qputenv("WAYLAND_DISPLAY", g_sway->display.toLocal8Bit());
    qputenv("XDG_SESSION_TYPE", "wayland");
    qunsetenv("SWAYSOCK");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QCOMPARE(DetectWatcherKind(), WatcherKind::Wlroots);
    auto watcher = CreateActiveWindowWatcher(WatcherKind::Wlroots);
    QVERIFY(watcher);
    QSignalSpy changes(watcher.get(), &ActiveWindowWatcher::activeWindowChanged);
    QVERIFY(swayCommand("[app_id=\"org.freedesktop.weston.wayland-clickdot\"] focus"));
    QVERIFY(watcher->start());
    // The window in front at the start, then each focus change; no process is known.
    QTRY_VERIFY(!changes.isEmpty());
    QCOMPARE(changes.last().at(0).value<ActiveWindow>().classes,
             QStringList { "org.freedesktop.weston.wayland-clickdot" });
    const QVector<ActiveWindow> open = watcher->openWindows();
    QStringList appIds;
    for (const ActiveWindow &window : open)
        appIds << window.classes;
    for (const char *appId : { "org.freedesktop.weston.flower", "org.freedesktop.weston.wayland-clickdot" })
        QVERIFY2(appIds.contains(QLatin1String(appId)), qPrintable(appIds.join(',')));
    for (const char *appId : { "org.freedesktop.weston.flower", "org.freedesktop.weston.wayland-clickdot" }) {
        changes.clear();
        QVERIFY(swayCommand(QByteArray("[app_id=\"") + appId + "\"] focus"));
        QTRY_VERIFY(!changes.isEmpty());
        const ActiveWindow window = changes.last().at(0).value<ActiveWindow>();
        QCOMPARE(window.classes, QStringList { QLatin1String(appId) });
        QCOMPARE(window.pid, qint64(0));
    }
    // A window that closes leaves the list.
    QProcess *flower = g_clients.value(0);
    flower->kill();
    flower->waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const ActiveWindow &window : watcher->openWindows()) {
                if (window.classes.contains("org.freedesktop.weston.flower"))
                    return false;
            }
            return true;
        }(),
        5000);
    watcher->stop();
    if (runtime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", runtime);
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
}

void TestAppSwitchSway::cleanupTestCase()
{
    for (QProcess *client : g_clients) {
        client->kill();
        client->waitForFinished();
    }
    qDeleteAll(g_clients);
    g_clients.clear();
}

namespace {

// Starts sway headless with a private runtime folder and config; false (with the reason) when it cannot.
bool startSway(Sway &sway, QString *reason)
{
    const QString program = QStandardPaths::findExecutable("sway");
    if (program.isEmpty()) {
        *reason = "sway is not installed (sway, xwayland; scripts/install-deps.sh)";
        return false;
    }
    for (const char *tool : { "Xwayland", "xmessage", "weston-flower", "weston-clickdot" }) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            *reason = QStringLiteral("%1 is not installed (scripts/install-deps.sh)").arg(QLatin1String(tool));
            return false;
        }
    }
    const QString runtime = sway.runtime.path();
    QFile config(runtime + "/config");
    if (!config.open(QIODevice::WriteOnly) || config.write("xwayland enable\n") < 0)
        return false;
    config.close();
    QString command = program;
    QStringList arguments { "--debug", "--config", config.fileName() };
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty()) {
            *reason = "sway does not run as root, and setpriv (util-linux) is missing to run it as another user";
            return false;
        }
        if (::chown(QFile::encodeName(runtime).constData(), UnprivilegedId, UnprivilegedId) != 0
            || ::chown(QFile::encodeName(config.fileName()).constData(), UnprivilegedId, UnprivilegedId) != 0) {
            *reason = "cannot hand the runtime folder to the unprivileged user";
            return false;
        }
        arguments.prepend(program);
        arguments = QStringList { QStringLiteral("--reuid=%1").arg(UnprivilegedId),
                                  QStringLiteral("--regid=%1").arg(UnprivilegedId), "--clear-groups" }
            + arguments;
        command = setpriv;
    }
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "I3SOCK", "DBUS_SESSION_BUS_ADDRESS" })
        env.remove(QLatin1String(name));
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("HOME", runtime);
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");
    sway.process.setProcessEnvironment(env);
    sway.logPath = runtime + "/sway.log";
    sway.process.setStandardErrorFile(sway.logPath);
    sway.process.setStandardOutputFile(QProcess::nullDevice());
    sway.process.start(command, arguments);
    if (!sway.process.waitForStarted(10000)) {
        *reason = "sway did not start";
        return false;
    }
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && sway.process.state() == QProcess::Running) {
        const QStringList sockets = QDir(runtime).entryList({ "sway-ipc.*.sock" }, QDir::System);
        const QStringList displays = QDir(runtime).entryList({ "wayland-*" }, QDir::System);
        for (const QString &display : displays) {
            if (!display.endsWith(".lock"))
                sway.display = display;
        }
        if (!sockets.isEmpty() && !sway.display.isEmpty()) {
            sway.socket = runtime + '/' + sockets.first();
            if (SwayIpc::request(sway.socket, SwayIpc::GetTree, QByteArray()).isObject())
                return true;
        }
        QThread::msleep(100);
    }
    QFile log(sway.logPath);
    log.open(QIODevice::ReadOnly);
    *reason = "sway did not come up: " + QString::fromUtf8(log.readAll().right(2000));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Sway sway;
    QString reason;
    if (!startSway(sway, &reason)) {
        fprintf(stderr, "SKIP: %s\n", qPrintable(reason));
        return 77;
    }
    g_sway = &sway;
    TestAppSwitchSway test;
    const int result = QTest::qExec(&test, argc, argv);
    g_sway = nullptr;
    sway.process.terminate();
    sway.process.waitForFinished(10000);
    return result;
}

#include "test_appswitch_sway.moc"
