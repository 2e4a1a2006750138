#include "TestAppDir.h"
#include "platform/SingleInstanceLock.h"

#include <QtTest>

#include "mousecfg_version.h"

// Runs the real program from a copy of its folder, so the product definition beside it is the test's.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void mutexNameHasOneBlank();
    void lockIsPerName();
    void secondInstanceExitsOne();
    void outputStaysQuiet_data();
    void outputStaysQuiet();

private:
    QString installProgram(const TestAppDir &dir, const QByteArray &productName);
    QProcess *start(const QString &program, const QString &workingDir);
};

void TestStartup::mutexNameHasOneBlank()
{
    QCOMPARE(SingleInstanceLock::mutexName("X"), QStringLiteral("X Wireless Gaming Mouse Mutex1"));
    QCOMPARE(SingleInstanceLock::mutexName(QString()), QStringLiteral(" Wireless Gaming Mouse Mutex1"));
    QVERIFY(SingleInstanceLock::lockFilePath("a/../b") != SingleInstanceLock::lockFilePath("a/../c"));
    QVERIFY(!QFileInfo(SingleInstanceLock::lockFilePath("a/../b")).fileName().contains('/'));
}

void TestStartup::lockIsPerName()
{
    const QString name = SingleInstanceLock::mutexName(
        QStringLiteral("lock-test-%1").arg(QCoreApplication::applicationPid()));
    SingleInstanceLock first(name);
    QVERIFY(first.tryLock());
    {
        SingleInstanceLock second(name);
        QVERIFY(!second.tryLock());
        SingleInstanceLock other(name + "2");
        QVERIFY(other.tryLock());
    }
    SingleInstanceLock third(name); // the failed attempt did not release the first holder
    QVERIFY(!third.tryLock());
}

QString TestStartup::installProgram(const TestAppDir &dir, const QByteArray &productName)
{
    const QString program = dir.path() + "/mousecfg";
    if (!QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/mousecfg"), program))
        return QString();
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    dir.writeFile("DefaultProfile.bin", "[PROFILE]\nProductName=" + productName + "\n");
    return program;
}

QProcess *TestStartup::start(const QString &program, const QString &workingDir)
{
    auto *process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("MOUSECFG_VIRTUAL_MOUSE");
    // Never the machine's bus: the second start reaches the first through its socket.
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(workingDir);
    process->start(program, QStringList());
    return process;
}

void TestStartup::secondInstanceExitsOne()
{
    const QByteArray product = "StartupTest" + QByteArray::number(QCoreApplication::applicationPid());
    TestAppDir dirA, dirB;
    const QString programA = installProgram(dirA, product);
    const QString programB = installProgram(dirB, product + "-other");
    QVERIFY(!programA.isEmpty() && !programB.isEmpty());
    QTemporaryDir elsewhere;

    QProcess *first = start(programA, dirA.path());
    QVERIFY(first->waitForStarted());
    QTest::qWait(1500);
    QCOMPARE(first->state(), QProcess::Running);

    // Same product from another working directory: the definition is found beside the program.
    QProcess *second = start(programA, elsewhere.path());
    QVERIFY(second->waitForFinished(15000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 1);
    QCOMPARE(first->state(), QProcess::Running);

    // Another product runs side by side.
    QProcess *other = start(programB, dirB.path());
    QVERIFY(!other->waitForFinished(1500));
    QCOMPARE(other->state(), QProcess::Running);

    for (QProcess *p : { first, other }) {
        p->terminate();
        QVERIFY(p->waitForFinished(10000));
    }
}

void TestStartup::outputStaysQuiet_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("expectedOutput"); // the start of standard output
    QTest::addColumn<bool>("diagnostics"); // whether debug lines reach standard error

    const QStringList mouse { "MOUSECFG_VIRTUAL_MOUSE=receiver" };
    // Without any display: the answer comes before Qt looks for one.
    QTest::newRow("--version") << QStringList { "--version" } << QStringList()
                               << "mousecfg " MOUSECFG_VERSION "\n"
                               << false;
    QTest::newRow("--help") << QStringList { "--help" } << QStringList() << "usage: mousecfg" << false;
    QTest::newRow("normal start") << QStringList() << mouse << QString() << false;
    QTest::newRow("MOUSECFG_DEBUG=1")
        << QStringList() << mouse + QStringList { "MOUSECFG_DEBUG=1" } << QString() << true;
    QTest::newRow("QT_LOGGING_RULES")
        << QStringList() << mouse + QStringList { "QT_LOGGING_RULES=mousecfg.device.debug=true" } << QString()
        << true;
}

void TestStartup::outputStaysQuiet()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, variables);
    QFETCH(QString, expectedOutput);
    QFETCH(bool, diagnostics);

    TestAppDir dir(TestAppDir::Installed);
    const QString program
        = installProgram(dir, "QuietTest" + QByteArray::number(QCoreApplication::applicationPid()));
    QVERIFY(!program.isEmpty());
    for (const char *shared : { "/skin", "/lang" })
        QVERIFY(QFile::link(QStringLiteral(MOUSECFG_APPDIR) + shared, dir.path() + shared));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         { "QT_QPA_PLATFORM", "MOUSECFG_VIRTUAL_MOUSE", "MOUSECFG_DEBUG", "QT_LOGGING_RULES" })
        env.remove(name);
    QTemporaryDir runtime;
    if (arguments.isEmpty()) {
        // As on a desktop: an X display (the offscreen platform has notes of its own) and a runtime folder.
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (Xvfb)");
        env.insert("QT_QPA_PLATFORM", "xcb");
        if (!env.contains("XDG_RUNTIME_DIR")) {
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            env.insert("XDG_RUNTIME_DIR", runtime.path());
        }
    } else {
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
    }
    for (const QString &variable : variables)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(program, arguments);
    QVERIFY(process.waitForStarted());
    if (arguments.isEmpty()) {
        // The window's start, its first status and battery reports, then the end of the run.
        QVERIFY(!process.waitForFinished(4000));
        // Only the image plugin its icon's name calls for: had Qt been left to guess a picture's
        // format, it would have loaded every plugin installed (megabytes with KDE's image formats).
        QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QSet<QString> plugins;
        for (const QByteArray &line : maps.readAll().split('\n')) {
            if (line.contains("/imageformats/"))
                plugins.insert(QFileInfo(QString::fromLocal8Bit(line.mid(line.indexOf('/')))).fileName());
        }
        plugins.remove(QStringLiteral("libqico.so"));
        QVERIFY2(plugins.isEmpty(), qPrintable(plugins.values().join(' ')));
        process.terminate();
    }
    QVERIFY(process.waitForFinished(15000));
    // A window run ends by the signal; an answer ends on its own.
    if (!arguments.isEmpty()) {
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(expectedOutput.isEmpty() ? output.isEmpty() : output.startsWith(expectedOutput),
             qPrintable(output));
    if (diagnostics)
        QVERIFY2(!errors.isEmpty(), "no diagnostics");
    else
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
