#include "PrivateBus.h"
#include "TestAppDir.h"
#include "XdoTool.h"
#include "platform/SingleInstanceLock.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// A second start of the real program on an X server: the first window comes forward, over the session
// bus or, without one, through the socket beside the lock. And the lock's own safety.
class TestSecondLaunch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void secondStartBringsTheWindowForward_data();
    void secondStartBringsTheWindowForward();
    void closeWithoutTrayEnds();
    void lockWithoutRuntimeFolder();

private:
    QProcess *start(const QStringList &extraEnvironment);
    QStringList visibleWindows() const;
    static QString report(QProcess &program);

    QScopedPointer<TestAppDir> m_dir;
    QString m_program;
    QTemporaryDir m_runtime;
    QString m_title;
};

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}
} // namespace

void TestSecondLaunch::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X server (run under xvfb-run)");
    m_dir.reset(new TestAppDir(TestAppDir::Installed));
    m_program = m_dir->path() + "/mousecfg";
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/mousecfg"), m_program));
    QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_title = QStringLiteral("SecondLaunch%1").arg(QCoreApplication::applicationPid());
    m_dir->writeFile("DefaultProfile.bin", "[PROFILE]\nProductName=" + m_title.toUtf8() + "\n");
    QVERIFY(::chmod(QFile::encodeName(m_runtime.path()).constData(), 0700) == 0);
}

QProcess *TestSecondLaunch::start(const QStringList &extraEnvironment)
{
    auto *process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", m_runtime.path());
    env.insert("XDG_CONFIG_HOME", m_runtime.path() + "/config");
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.remove("MOUSECFG_START_HIDDEN");
    for (const QString &pair : extraEnvironment)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(m_dir->path());
    process->start(m_program, QStringList());
    return process;
}

QStringList TestSecondLaunch::visibleWindows() const
{
    return run("xdotool", { "search", "--onlyvisible", "--name", "^" + m_title + "$" })
        .split('\n', Qt::SkipEmptyParts);
}

// What became of a program whose window did not show, for the failure message.
QString TestSecondLaunch::report(QProcess &program)
{
    const QString state = program.state() == QProcess::NotRunning
        ? QStringLiteral("ended with %1").arg(program.exitCode())
        : QStringLiteral("running");
    return QStringLiteral("program %1; output:\n%2")
        .arg(state, QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError()));
}

void TestSecondLaunch::secondStartBringsTheWindowForward_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("sessionBus");
    QTest::newRow("hidden in the tray, over the bus") << "hidden" << true;
    QTest::newRow("minimised, over the bus") << "minimised" << true;
    QTest::newRow("shown behind another, over the bus") << "shown" << true;
    QTest::newRow("hidden in the tray, no session bus") << "hidden" << false;
    QTest::newRow("hidden, no mouse, over the bus") << "no mouse" << true;
}

void TestSecondLaunch::secondStartBringsTheWindowForward()
{
    QFETCH(QString, state);
    QFETCH(bool, sessionBus);
    if (QStandardPaths::findExecutable("xdotool").isEmpty()
        || QStandardPaths::findExecutable("trayer").isEmpty())
        QSKIP("xdotool and trayer are needed (scripts/install-deps.sh)");
    PrivateBus bus;
    if (sessionBus && bus.address().isEmpty())
        QSKIP("dbus-daemon did not start");
    // A tray host, so that hiding is possible.
    QProcess tray;
    tray.start("trayer", QStringList());
    QVERIFY(tray.waitForStarted());
    QTest::qWait(500);

    const QString busAddress = sessionBus ? bus.address() : QStringLiteral("unix:path=/nonexistent/bus");
    QStringList environment { "DBUS_SESSION_BUS_ADDRESS=" + busAddress };
    if (state == "hidden" || state == "no mouse")
        environment << "MOUSECFG_START_HIDDEN=1";
    if (state == "no mouse")
        environment << "MOUSECFG_VIRTUAL_MOUSE=" + m_dir->writeFile("none.ini", "[Mouse]\nConnection=none\n");
    QScopedPointer<QProcess> first(start(environment));
    QVERIFY(first->waitForStarted());
    if (state == "hidden" || state == "no mouse") {
        QTest::qWait(2000);
        QVERIFY(visibleWindows().isEmpty());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindows().size(), 1, 20000);
    }
    const QString window = state == "shown" || state == "minimised" ? visibleWindows().value(0) : QString();
    if (state == "minimised") {
        // The header's minimise picture, 906..930 x 19..43 of the window at scale 1.
        const QStringList geometry = run("xdotool", { "getwindowgeometry", "--shell", window }).split('\n');
        int x = 0, y = 0;
        for (const QString &line : geometry) {
            if (line.startsWith("X="))
                x = line.mid(2).toInt();
            if (line.startsWith("Y="))
                y = line.mid(2).toInt();
        }
        QVERIFY(xdotool({ "mousemove", QString::number(x + 918), QString::number(y + 31), "click", "1" }));
        QTest::qWait(500);
    }
    // Focus elsewhere, as when the user works in another program.
    QProcess other;
    other.start("xmessage", { "-title", m_title + "-other", "other program" });
    QVERIFY(other.waitForStarted());
    QString otherWindow;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(otherWindow = run("xdotool", { "search", "--onlyvisible", "--name", m_title + "-other" }))
             .isEmpty(),
        10000);
    QVERIFY(xdotool({ "windowfocus", "--sync", otherWindow.section('\n', 0, 0) }));

    if (sessionBus) {
        // The bus alone must carry the request: the socket goes.
        QDBusConnection client = QDBusConnection::connectToBus(bus.address(), "check");
        QTRY_VERIFY_WITH_TIMEOUT(client.interface()->isServiceRegistered("org.mousecfg.mousecfg"), 10000);
        QCOMPARE(qint64(client.interface()->servicePid("org.mousecfg.mousecfg").value()), first->processId());
        QDBusConnection::disconnectFromBus("check");
        for (const QString &socket : QDir(m_runtime.path()).entryList({ "mousecfg-*.socket" }, QDir::System))
            QVERIFY(QFile::remove(m_runtime.path() + '/' + socket));
    }

    QScopedPointer<QProcess> second(start(environment));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(second->waitForFinished(20000));
    // Answered before the window shows anything that waits (the "Dongle Disconnect!" box).
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 1);

    // One window, the first program's, shown and holding the focus.
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows().size(), 1, 10000);
    const QString shown = visibleWindows().value(0);
    if (state == "no mouse") {
        // Without a mouse the window comes with its warning box, as the tray shows it.
        QTRY_VERIFY_WITH_TIMEOUT(
            !run("xdotool", { "search", "--onlyvisible", "--name", "^Warning$" }).isEmpty(), 10000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(run("xdotool", { "getwindowfocus", "-f" }), shown, 10000);
    }
    QCOMPARE(first->state(), QProcess::Running);

    first->terminate();
    QVERIFY(first->waitForFinished(10000));
    other.kill();
    other.waitForFinished(5000);
    tray.terminate();
    tray.waitForFinished(5000);
}

void TestSecondLaunch::closeWithoutTrayEnds()
{
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        QSKIP("xdotool is needed (scripts/install-deps.sh)");
    // No tray host on this server: the close picture ends the program, as "&Quit" does.
    QScopedPointer<QProcess> program(
        start({ "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus", "MOUSECFG_DEBUG=1" }));
    QTRY_VERIFY2_WITH_TIMEOUT(visibleWindows().size() == 1, qPrintable(report(*program)), 40000);
    const QStringList geometry
        = run("xdotool", { "getwindowgeometry", "--shell", visibleWindows().value(0) }).split('\n');
    int x = 0, y = 0;
    for (const QString &line : geometry) {
        if (line.startsWith("X="))
            x = line.mid(2).toInt();
        if (line.startsWith("Y="))
            y = line.mid(2).toInt();
    }
    // The close picture, 944..968 x 19..43 of the window at scale 1.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(xdotool({ "mousemove", QString::number(x + 956), QString::number(y + 31), "click", "1" }));
    QVERIFY(program->waitForFinished(10000));
    // About a millisecond here; generous for a loaded machine and sanitizer builds.
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
}

void TestSecondLaunch::lockWithoutRuntimeFolder()
{
    QTemporaryDir home;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + "/cache"));
    const QString name = SingleInstanceLock::mutexName("LockSafety");
    const QString path = SingleInstanceLock::lockFilePath(name);

    // The user's own folder, closed to others, never the shared temporary folder.
    QVERIFY(path.startsWith(home.path() + "/cache/mousecfg/"));
    struct stat folder;
    QVERIFY(::stat(QFile::encodeName(home.path() + "/cache/mousecfg").constData(), &folder) == 0);
    QCOMPARE(int(folder.st_mode & 0777), 0700);

    // A symlink put where the lock goes is not followed: its target stays as it was.
    QFile victim(home.path() + "/victim");
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("keep");
    victim.close();
    QVERIFY(QFile::link(victim.fileName(), path));
    {
        SingleInstanceLock first(name);
        QVERIFY(first.tryLock());
        QCOMPARE(first.holderPid(), qint64(QCoreApplication::applicationPid()));
        SingleInstanceLock second(name);
        QVERIFY(!second.tryLock());
    }
    QVERIFY(!QFileInfo(path).isSymLink());
    QVERIFY(victim.open(QIODevice::ReadOnly));
    QCOMPARE(victim.readAll(), QByteArray("keep"));
    victim.close();

    // A runtime folder that another user could write to is not used.
    QTemporaryDir shared;
    QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 0777) == 0);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
    QVERIFY(SingleInstanceLock::lockFilePath(name).startsWith(home.path() + "/cache/mousecfg/"));

    // Two users, the same product, no runtime folder: as root, the other user is "nobody", who starts
    // first and holds its lock. This user still gets a lock of its own, and its second start is
    // still refused (a shared name let the first user's program block the other's).
    qunsetenv("XDG_RUNTIME_DIR");
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (::geteuid() == 0 && !setpriv.isEmpty()) {
        QTemporaryDir otherHome(QDir::tempPath() + "/mousecfg-nobody-XXXXXX");
        QVERIFY(::chown(QFile::encodeName(otherHome.path()).constData(), 65534, 65534) == 0);
        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.insert("HOME", otherHome.path());
        env.insert("XDG_CACHE_HOME", otherHome.path() + "/cache");
        other.setProcessEnvironment(env);
        other.start(setpriv,
                    { "--reuid=65534", "--regid=65534", "--clear-groups",
                      QCoreApplication::applicationFilePath(), "--hold-lock", "LockSafety" });
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));
        SingleInstanceLock mine(name);
        QVERIFY(mine.tryLock());
        QVERIFY(!SingleInstanceLock(name).tryLock());
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(10000));
    }

    if (savedRuntime.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qunsetenv("XDG_CACHE_HOME");
}

int main(int argc, char **argv)
{
    // Helper for the two-user case: holds the product's lock as whoever runs it until its input closes.
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstanceLock lock(SingleInstanceLock::mutexName(QString::fromLocal8Bit(argv[2])));
        const bool locked = !lock.path().isEmpty() && lock.tryLock();
        printf("%s\n", locked ? "locked" : "busy");
        fflush(stdout);
        char buffer[16];
        while (fread(buffer, 1, sizeof buffer, stdin) > 0) { }
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestSecondLaunch test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_secondlaunch.moc"
