#include "CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
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
    void resultLineSaysWhatTheMouseConfirmed_data();
    void resultLineSaysWhatTheMouseConfirmed();
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

void TestCliUpload::resultLineSaysWhatTheMouseConfirmed_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("faults");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("unconfirmed");
    const QString unconfirmedLine = QStringLiteral("Done (the mouse did not confirm).");
    // Silence=7 swallows the battery query (or the select frame) and all six writes of the next report,
    // which then counts as sent; the rest is confirmed.
    QTest::newRow("upload confirmed")
        << QStringList { "apply", "--all" } << QString() << 0 << "Done." << false;
    QTest::newRow("upload, a report unanswered")
        << QStringList { "apply", "--all" } << "Silence=7" << 0 << unconfirmedLine << true;
    QTest::newRow("slot switch, a report unanswered")
        << QStringList { "select-profile", "2" } << "Silence=7" << 0 << unconfirmedLine << true;
    QTest::newRow("set, a report unanswered")
        << QStringList { "set", "dpi.1", "800" } << "Silence=7" << 0 << unconfirmedLine << true;
    QTest::newRow("writes refused") << QStringList { "apply", "--all" } << "WriteErrors=-1" << 4
                                    << "Send data failed, please try again. (code 4)" << false;
}

// A mouse that never answers a report is taken as having it (exit 0), but the line says so, and
// "status --json" keeps it until the next transfer.
void TestCliUpload::resultLineSaysWhatTheMouseConfirmed()
{
    QFETCH(QStringList, command);
    QFETCH(QString, faults);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    QFETCH(bool, unconfirmed);
    TestAppDir dir(TestAppDir::Installed);
    // The mark of an earlier transfer is replaced by this one's.
    QSettings(dir.path() + "/Configs/Config.ini", QSettings::IniFormat)
        .setValue("Config/UploadUnconfirmed", unconfirmed ? 0 : 1);
    const QString scenario
        = dir.writeFile("mouse.ini", "[Mouse]\nConnection=receiver\n[Faults]\n" + faults.toLatin1() + "\n");
    const CliResult result = runCli(dir, command, scenario);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.output.trimmed(), line);

    const CliResult status = runCli(dir, { "status", "--json" }, "receiver");
    QCOMPARE(status.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(status.output.toUtf8()).object();
    QCOMPARE(json.value("lastTransferUnconfirmed").toBool(), unconfirmed);
}

QTEST_GUILESS_MAIN(TestCliUpload)
#include "test_cli_upload.moc"
