#include "FileSnapshot.h"
#include "TestAppDir.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>

// mousecfg-cli killed (SIGKILL) at random moments while it imports a configuration and saves it:
// afterwards every settings and slot file is complete, either its old or its new version.
class TestFaultsKill : public QObject
{
    Q_OBJECT
private slots:
    void killedDuringImport();
};

namespace {

constexpr int Kills = 200;

QProcess *startImport(const TestAppDir &dir, const QString &file)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("MOUSECFG_VIRTUAL_MOUSE");
    env.insert("QT_LOGGING_RULES", "default.debug=false");
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(MOUSECFG_APPDIR "/mousecfg-cli"),
                   { "--appdir", dir.path(), "import-config", file });
    process->waitForStarted();
    return process;
}

// The settings files: Config.ini and the slot files, without the temporary files a killed write
// may leave beside them (hidden, so no list shows them).
QMap<QString, QByteArray> settingsFiles(const TestAppDir &dir)
{
    QMap<QString, QByteArray> files;
    const auto all = fileSnapshot(dir.path() + "/Configs");
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!QFileInfo(it.key()).fileName().startsWith('.'))
            files.insert(it.key(), it.value());
    }
    return files;
}

} // namespace

void TestFaultsKill::killedDuringImport()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    QVERIFY(SaveConfig(config));
    const QString files[2] = { dir.path() + "/../" + QFileInfo(dir.path()).fileName() + "-a.conf",
                               dir.path() + "/../" + QFileInfo(dir.path()).fileName() + "-b.conf" };
    for (int v = 0; v < 2; ++v) {
        for (ProfileData &profile : config.profiles) {
            profile.dpi = quint8(v + 1);
            profile.pollrate = quint8(v + 2);
        }
        QVERIFY(ExportConfigStamped(config, files[v], CurrentProduct()));
    }

    // The two complete states, and how long a whole import takes.
    QMap<QString, QByteArray> versions[2];
    qint64 runMs = 0;
    for (int v = 0; v < 2; ++v) {
        QElapsedTimer clock;
        clock.start();
        QScopedPointer<QProcess> run(startImport(dir, files[v]));
        QVERIFY(run->waitForFinished(30000));
        QCOMPARE(run->exitCode(), 0);
        runMs = qMax(runMs, clock.elapsed());
        versions[v] = settingsFiles(dir);
    }
    QCOMPARE(versions[0].keys(), versions[1].keys());
    QVERIFY(versions[0].value("Profile/Profile 1.prof") != versions[1].value("Profile/Profile 1.prof"));

    QRandomGenerator random(20261207);
    int interrupted = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QScopedPointer<QProcess> run(startImport(dir, files[kill % 2]));
        // qSleep refuses zero.
        QTest::qSleep(1 + int(random.bounded(quint32(runMs))));
        if (run->state() == QProcess::Running) {
            ::kill(pid_t(run->processId()), SIGKILL);
            ++interrupted;
        }
        QVERIFY(run->waitForFinished(30000));
        const auto now = settingsFiles(dir);
        QCOMPARE(now.keys(), versions[0].keys());
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            QVERIFY2(it.value() == versions[0].value(it.key()) || it.value() == versions[1].value(it.key()),
                     qPrintable(QStringLiteral("%1 after kill %2").arg(it.key()).arg(kill)));
        }
    }
    // Most runs must really have been cut short for the test to mean anything.
    QVERIFY2(interrupted > Kills / 2, qPrintable(QString::number(interrupted)));
    QFile::remove(files[0]);
    QFile::remove(files[1]);
}

QTEST_GUILESS_MAIN(TestFaultsKill)
#include "test_faults_kill.moc"
