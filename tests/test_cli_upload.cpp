#include "CliRun.h"

#include <QSettings>
#include <QtTest>

// mousecfg-cli apply and select-profile, run as a program on the virtual mouse.
class TestCliUpload : public QObject
{
    Q_OBJECT
private slots:
    void applySendsWhatChanged();
    void sleepingMouseSendsNothing();
    void selectProfile();
    void usageAndNoDevice();
};

namespace {
const QString BatteryQuery = QStringLiteral("0524fa48") + QString(58, QLatin1Char('0'));

// The command byte of each written report.
QStringList commandBytes(const QStringList &reports)
{
    QStringList bytes;
    for (const QString &r : reports)
        bytes << r.mid(6, 2);
    return bytes;
}
} // namespace

void TestCliUpload::applySendsWhatChanged()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString trace = dir.path() + "/trace.txt";
    // The installed configuration asks for a full upload ("Config/Diff" = 1).
    CliResult result = runCli(dir, { "apply" }, "receiver", trace);
    QCOMPARE(result.exitCode, 0);
    QStringList reports = writtenReports(trace);
    QCOMPARE(reports.first(), BatteryQuery);
    QCOMPARE(reports.size(), 32);
    QCOMPARE(commandBytes(reports).mid(1, 3), QStringList({ "46", "01", "01" }));
    QCOMPARE(QSettings(dir.path() + "/Configs/Config.ini", QSettings::IniFormat).value("Config/Diff").toInt(),
             0);

    // Nothing changed since: only the battery query goes out.
    QFile::remove(trace);
    result = runCli(dir, { "apply" }, "receiver", trace);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(writtenReports(trace), QStringList({ BatteryQuery }));

    // --all sends every group again.
    QFile::remove(trace);
    QCOMPARE(runCli(dir, { "apply", "--all" }, "cable", trace).exitCode, 0);
    QCOMPARE(writtenReports(trace).size(), 32);
}

void TestCliUpload::sleepingMouseSendsNothing()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString trace = dir.path() + "/trace.txt";
    const QString scenario = dir.writeFile("asleep.ini", "[Mouse]\nConnection=receiver\nAsleep=1\n");
    const CliResult result = runCli(dir, { "apply", "--all" }, scenario, trace);
    QCOMPARE(result.exitCode, 5);
    QVERIFY(result.output.contains("Mouse is sleeping or not connected."));
    QCOMPARE(writtenReports(trace), QStringList({ BatteryQuery }));

    // A mouse that rejects every write fails with 4 and keeps the full upload pending.
    const QString failing
        = dir.writeFile("failing.ini", "[Mouse]\nConnection=receiver\n[Faults]\nWriteErrors=-1\n");
    QCOMPARE(runCli(dir, { "apply", "--all" }, failing).exitCode, 4);
    QCOMPARE(QSettings(dir.path() + "/Configs/Config.ini", QSettings::IniFormat).value("Config/Diff").toInt(),
             1);
}

void TestCliUpload::selectProfile()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString trace = dir.path() + "/trace.txt";
    QCOMPARE(runCli(dir, { "select-profile", "3" }, "receiver", trace).exitCode, 0);
    const QStringList reports = writtenReports(trace);
    QCOMPARE(commandBytes(reports), QStringList({ "44", "40", "40", "40", "40", "40", "40" }));
    QCOMPARE(reports.first().mid(8, 2), QStringLiteral("02"));
    QCOMPARE(
        QSettings(dir.path() + "/Configs/Config.ini", QSettings::IniFormat).value("Config/ProfileID").toInt(),
        2);
}

void TestCliUpload::usageAndNoDevice()
{
    TestAppDir dir(TestAppDir::Installed);
    QCOMPARE(runCli(dir, { "apply", "--some" }, "receiver").exitCode, 64);
    QCOMPARE(runCli(dir, { "select-profile", "6" }, "receiver").exitCode, 64);
    QCOMPARE(runCli(dir, { "select-profile" }, "receiver").exitCode, 64);
    const QString unplugged = dir.writeFile("none.ini", "[Mouse]\nConnection=none\n");
    const CliResult result = runCli(dir, { "apply" }, unplugged);
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.output.contains("No mouse connected."));
    QCOMPARE(runCli(dir, { "select-profile", "1" }, unplugged).exitCode, 1);
}

QTEST_GUILESS_MAIN(TestCliUpload)
#include "test_cli_upload.moc"
