#include "TestAppDir.h"
#include "platform/SingleInstanceLock.h"

#include <QtTest>

// Runs the real program from a copy of its folder, so the product definition beside it is the test's.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void mutexNameHasOneBlank();
    void lockIsPerName();
    void secondInstanceExitsOne();

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

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
