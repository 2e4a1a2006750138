#include "ProgramSession.h"
#include "TestAppDir.h"
#include "platform/OsdClient.h"
#include "platform/OsdMessage.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"

#include <QApplication>
#include <QLabel>
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
    void noticeCompanionOnXWayland();

private:
    bool m_westonRunning;
    QScopedPointer<TestAppDir> m_dir;
};

namespace {
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
