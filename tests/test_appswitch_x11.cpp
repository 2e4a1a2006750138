#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "XdoTool.h"
#include "appprofiles/AppProfileFile.h"
#include "storage/ConfigStore.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "virtualmouse/VirtualMouse.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

// On a real X server with a window manager: activating other programs' windows switches the mouse's
// slot as their rules say, and back to the default slot for a program without a rule; the program's own
// window switches nothing.
class TestAppSwitchX11 : public QObject
{
    Q_OBJECT
private slots:
    void slotFollowsTheActiveWindow();
};

namespace {

// Longest wait for a switch after a window is activated: the settle time plus the upload, with room
// for a loaded machine.
constexpr int SwitchBoundMs = 1500;

QString runOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The first X window id of a search ("--classname racer", "--name title"), waiting for it to appear.
QString findWindow(const QStringList &search)
{
    return runOutput(QStringLiteral("xdotool"), QStringList { "search", "--sync" } + search)
        .section('\n', 0, 0);
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

void TestAppSwitchX11::slotFollowsTheActiveWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    for (const char *tool : { "openbox", "xdotool", "xmessage", "xprop" }) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
    }
    QProcess windowManager;
    windowManager.start(QStringLiteral("openbox"), { "--sm-disable" });
    QVERIFY(windowManager.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        runOutput("xprop", { "-root", "_NET_SUPPORTING_WM_CHECK" }).contains("window id"), 10000);

    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    config.ProfileID = 0;
    QVERIFY(SaveConfig(config));
    // "racer" is known by its class only (xmessage tells no process); the helper by its executable.
    AppProfileRules rules;
    QVERIFY(rules.setRule("racer", 3));
    const QString helperExecutable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(rules.setRule(helperExecutable, 2));
    QVERIFY(rules.setDefaultSlot(0));
    QVERIFY(AppProfileFile::save(rules));

    const QString trace = dir.path() + "/window.trace";
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    // An X11 session, whatever desktop runs the test's Xvfb.
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
    // The window waits in the tray, as when started at login, until the test shows it.
    qputenv("MOUSECFG_START_HIDDEN", "1");
    ScriptedPrompts prompts;
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    QVERIFY(window.appSwitching()->watcher());
    QTRY_VERIFY(window.mouseConnected());
    auto *mouse = window.findChild<VirtualMouse *>();
    QVERIFY(mouse);

    // One client at a time, each shown and in front before the next starts: a window mapping late would
    // take the front from the test's own activations.
    QProcess racer;
    QProcess notes;
    QProcess helper;
    const auto openClient = [](QProcess &process, const QString &program, const QStringList &arguments,
                               const QStringList &search) {
        process.start(program, arguments);
        const QString id = findWindow(QStringList { "--onlyvisible" } + search);
        if (id.isEmpty() || !xdotool({ "windowactivate", "--sync", id }))
            return QString();
        QDeadlineTimer deadline(10000);
        while (runOutput("xdotool", { "getactivewindow" }) != id && !deadline.hasExpired())
            QTest::qWait(50);
        return id;
    };
    const QString racerId
        = openClient(racer, "xmessage", { "-name", "racer", "racer" }, { "--classname", "racer" });
    const QString notesId
        = openClient(notes, "xmessage", { "-name", "notes", "notes" }, { "--classname", "notes" });
    const QString helperId = openClient(helper, QCoreApplication::applicationFilePath(),
                                        { "--client", "appswitch-helper" }, { "--name", "appswitch-helper" });
    QVERIFY(!racerId.isEmpty() && !notesId.isEmpty() && !helperId.isEmpty());
    QCOMPARE(runOutput("xdotool", { "getactivewindow" }), helperId);
    // The dialog's ADD menu offers the programs with windows open, by the names a rule would use.
    const QStringList open = window.appSwitching()->openPrograms();
    for (const QString &program : { QStringLiteral("racer"), QStringLiteral("notes"), helperExecutable })
        QVERIFY2(open.contains(program), qPrintable(open.join(',')));
    QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), 2, 5000);

    struct Step
    {
        QString window;
        int slot;
    };
    const QVector<Step> steps { { racerId, 3 }, { helperId, 2 }, { notesId, 0 }, { racerId, 3 } };
    QSignalSpy notices(&window, &MousecfgWidget::osdTextRequested);
    for (const Step &step : steps) {
        QVERIFY(xdotool({ "windowactivate", "--sync", step.window }));
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), step.slot, 5000);
        qInfo("slot %d selected %lld ms after the activation", step.slot + 1, clock.elapsed());
        QVERIFY2(clock.elapsed() < SwitchBoundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(int(mouse->selectedProfile()), step.slot);
        QVERIFY(traceHoldsSelect(trace, step.slot));
        // The on-screen notice names the slot.
        QTRY_VERIFY(!notices.isEmpty());
        QCOMPARE(notices.takeLast().at(0).toString(), window.workingConfig().profileNames[step.slot]);
    }
    QVERIFY(prompts.boxes.isEmpty());

    // A mouse that refuses the switches is reported once, not at every change of window.
    notices.clear();
    mouse->setWriteErrors(1000000);
    QVERIFY(xdotool({ "windowactivate", "--sync", notesId }));
    QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), 0, 5000);
    QVERIFY(xdotool({ "windowactivate", "--sync", racerId }));
    QTRY_COMPARE_WITH_TIMEOUT(int(window.workingConfig().ProfileID), 3, 5000);
    QTest::qWait(500);
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.at(0).at(0).toString(), QString("The mouse did not switch to profile 1"));
    QVERIFY(prompts.boxes.isEmpty());
    mouse->setWriteErrors(0);

    // The program's own window in front switches nothing. (A login start with no tray host has shown it
    // minimised by now.)
    window.showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(xdotool({ "windowactivate", "--sync", QString::number(window.winId()) }));
    QTRY_VERIFY(window.isActiveWindow());
    QTest::qWait(1000);
    QCOMPARE(int(window.workingConfig().ProfileID), 3);

    qunsetenv("MOUSECFG_TRACE");
    qunsetenv("MOUSECFG_START_HIDDEN");
    for (QProcess *process : { &racer, &notes, &helper, &windowManager }) {
        process->kill();
        process->waitForFinished();
    }
}

int main(int argc, char **argv)
{
    // A client window of a program other than the test process: the same executable, another process.
    if (argc == 3 && qstrcmp(argv[1], "--client") == 0) {
        QApplication app(argc, argv);
        QWidget client;
        client.setWindowTitle(QString::fromLocal8Bit(argv[2]));
        client.resize(200, 100);
        client.show();
        return app.exec();
    }
    QApplication app(argc, argv);
    TestAppSwitchX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_appswitch_x11.moc"
