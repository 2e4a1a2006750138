#include "PrivateBus.h"
#include "ProgramSession.h"
#include "TestAppDir.h"
#include "platform/OsdClient.h"
#include "platform/OsdMessage.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"

#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

// The window natively on Wayland, under a headless Weston of the test's own: it maps, the tabs switch,
// the key dialog falls back to keys of its own window and says so, and the real program ends cleanly
// on SIGTERM, all without a warning from Qt's Wayland plugin.
class TestWayland : public QObject
{
    Q_OBJECT
public:
    explicit TestWayland(bool westonRunning)
        : m_westonRunning(westonRunning)
    { }

private slots:
    void initTestCase();
    void windowTabsAndKeyDialog();
    void programEndsOnSigterm();
    void trayIconOnlyWithHost_data();
    void trayIconOnlyWithHost();
    void noticeCompanionOnXWayland();

private:
    bool m_westonRunning;
    QScopedPointer<TestAppDir> m_dir;
};

namespace {

// A desktop's StatusNotifierWatcher: counts the icons that register, and has a host or not.
class TrayWatcherStandIn : public QObject
{
    Q_OBJECT
public:
    QStringList items;
    bool host = false;
};

class TrayWatcherAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)
public:
    explicit TrayWatcherAdaptor(TrayWatcherStandIn *watcher)
        : QDBusAbstractAdaptor(watcher)
        , m_watcher(watcher)
    { }
    bool hostRegistered() const { return m_watcher->host; }
    int protocolVersion() const { return 0; }
    QStringList registeredItems() const { return m_watcher->items; }

public slots:
    void RegisterStatusNotifierItem(const QString &service) { m_watcher->items << service; }
    void RegisterStatusNotifierHost(const QString &) { }

signals:
    void StatusNotifierHostRegistered();
    void StatusNotifierItemRegistered(const QString &service);

private:
    TrayWatcherStandIn *m_watcher;
};

QStringList g_pluginWarnings;
// The X server beside the compositor, as XWayland would be; empty without one.
QByteArray g_xDisplay;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool plugin = QByteArray(context.category ? context.category : "").startsWith("qt.qpa.wayland")
        || message.contains(QLatin1String("wayland"), Qt::CaseInsensitive);
    if (type != QtDebugMsg && type != QtInfoMsg && plugin)
        g_pluginWarnings << message;
    fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

void TestWayland::initTestCase()
{
    if (!m_westonRunning)
        QSKIP("weston or Qt's Wayland plugin is not installed (scripts/install-deps.sh)");
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    m_dir.reset(new TestAppDir(TestAppDir::Installed));
    // The window and tray icon come from the skin, as in an installation.
    QVERIFY(QFile::link(QStringLiteral(MOUSECFG_APPDIR "/skin"), m_dir->path() + "/skin"));
}

void TestWayland::windowTabsAndKeyDialog()
{
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    {
        ProgramSession program;
        MousecfgWidget window(program.session, program.takeNotices());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 20000));
        for (int tab : { int(TabBar::Customize), 2, 3, int(TabBar::Customize) }) {
            window.switchTab(tab);
            QCOMPARE(window.currentTab(), tab);
        }
        TarnSingleKeyWindow dialog(&window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, 20000));
        QVERIFY(!dialog.capturesSystemWide());
        bool noticeShown = false;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            noticeShown |= label->isVisible() && label->text().contains(QLatin1String("has the focus"));
        QVERIFY(noticeShown);
    }
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    QVERIFY2(g_pluginWarnings.isEmpty(), qPrintable(g_pluginWarnings.join('\n')));
}

void TestWayland::programEndsOnSigterm()
{
    const QString program = m_dir->path() + "/mousecfg";
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/mousecfg"), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    // The program picks Wayland by itself in a Wayland session (there is no X server here).
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir->path());
    process.start(program, QStringList());
    QVERIFY(process.waitForStarted());
    QVERIFY(!process.waitForFinished(3000));
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(10000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, qPrintable(errors));
    QVERIFY2(!errors.contains(QLatin1String("wayland"), Qt::CaseInsensitive), qPrintable(errors));
}

void TestWayland::trayIconOnlyWithHost_data()
{
    QTest::addColumn<bool>("watcher");
    QTest::addColumn<bool>("hostAtStart");
    QTest::addColumn<bool>("hostLater");
    QTest::newRow("no tray watcher") << false << false << false;
    QTest::newRow("watcher without a host") << true << false << false;
    QTest::newRow("host there at start") << true << true << false;
    QTest::newRow("host comes later") << true << false << true;
}

void TestWayland::trayIconOnlyWithHost()
{
    QFETCH(bool, watcher);
    QFETCH(bool, hostAtStart);
    QFETCH(bool, hostLater);
    PrivateBus bus;
    if (bus.address().isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    TrayWatcherStandIn tray;
    tray.host = hostAtStart;
    auto *adaptor = new TrayWatcherAdaptor(&tray);
    QDBusConnection desktop = QDBusConnection::connectToBus(bus.address(), QStringLiteral("desktop"));
    const auto disconnect = qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("desktop")); });
    if (watcher) {
        QVERIFY(desktop.registerObject(QStringLiteral("/StatusNotifierWatcher"), &tray,
                                       QDBusConnection::ExportAdaptors));
        QVERIFY(desktop.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }
    const QString program = m_dir->path() + "/mousecfg";
    if (!QFile::exists(program))
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/mousecfg"), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    env.remove("QT_QPA_PLATFORM");
    env.remove("XDG_CURRENT_DESKTOP");
    env.insert("QT_LOGGING_RULES", qEnvironmentVariable("MOUSECFG_TRAY_LOG"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir->path());
    process.start(program, QStringList());
    QVERIFY(process.waitForStarted());
    // The stand-in answers the program's questions meanwhile: no blocking wait here.
    QTest::qWait(3000);
    QCOMPARE(process.state(), QProcess::Running);
    if (hostAtStart)
        QTRY_COMPARE_WITH_TIMEOUT(tray.items.size(), 1, 10000);
    QCOMPARE(tray.items.size(), hostAtStart ? 1 : 0);
    if (hostLater) {
        tray.host = true;
        emit adaptor->StatusNotifierHostRegistered();
        QTRY_COMPARE_WITH_TIMEOUT(tray.items.size(), 1, 10000);
    }
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(10000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, qPrintable(errors));
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
}

void TestWayland::noticeCompanionOnXWayland()
{
    if (g_xDisplay.isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("needs an X server beside the compositor (run under xvfb-run) and xdotool");
    // Even where the session asks Qt programs for Wayland, the companion goes to the X server, where it
    // can stand under the pointer.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    env.insert("DISPLAY", QString::fromLocal8Bit(g_xDisplay));
    env.insert("MOUSECFG_OSD_IDLE_MS", "30000");
    QProcess companion;
    companion.setProcessEnvironment(env);
    companion.start(QStringLiteral(MOUSECFG_APPDIR "/OSD"), QStringList());
    QVERIFY(companion.waitForStarted());
    OsdClient client(QStringLiteral("/nonexistent/OSD"), OsdServerName());
    QSignalSpy delivered(&client, &OsdClient::delivered);
    OsdMessage message;
    message.text = QStringLiteral("DPI 1600");
    client.send(message);
    QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 1, 10000);
    QProcess search;
    search.setProcessEnvironment(env);
    QTRY_VERIFY_WITH_TIMEOUT(
        (search.start("xdotool", { "search", "--onlyvisible", "--pid", QString::number(companion.processId()) }),
         search.waitForFinished(5000), !search.readAllStandardOutput().trimmed().isEmpty()),
        10000);
    companion.terminate();
    QVERIFY(companion.waitForFinished(10000));
}

int main(int argc, char **argv)
{
    g_xDisplay = qgetenv("DISPLAY");
    // A headless Weston on a socket in a runtime folder of the test's own.
    QTemporaryDir runtime;
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString socket = QStringLiteral("mousecfg-test-%1").arg(QCoreApplication::applicationPid());
    QProcess weston;
    bool running = false;
    const QString westonProgram = QStandardPaths::findExecutable("weston");
    if (!westonProgram.isEmpty()) {
        weston.setStandardErrorFile(QProcess::nullDevice());
        weston.setStandardOutputFile(QProcess::nullDevice());
        weston.start(westonProgram, { "--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0",
                                      "--width=1280", "--height=800" });
        weston.waitForStarted(10000);
        for (int i = 0; i < 100 && weston.state() == QProcess::Running && !running; ++i) {
            running = QFile::exists(runtime.path() + '/' + socket);
            QThread::msleep(100);
        }
    }
    if (running) {
        qputenv("WAYLAND_DISPLAY", socket.toLocal8Bit());
        // Without Qt's Wayland plugin the test runs offscreen and skips.
        qputenv("QT_QPA_PLATFORM", "wayland;offscreen");
        qunsetenv("DISPLAY");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(collectWarnings);
    int result = 0;
    {
        QApplication app(argc, argv);
        TestWayland test(running && QGuiApplication::platformName() == QLatin1String("wayland"));
        result = QTest::qExec(&test, argc, argv);
    }
    weston.terminate();
    weston.waitForFinished(5000);
    return result;
}

#include "test_wayland.moc"
