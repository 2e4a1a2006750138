#include "CliRun.h"

#include <QProcess>
#include <QtTest>

// mousecfg-cli status, run as a program on the virtual mouse and without it.
class TestCliStatus : public QObject
{
    Q_OBJECT
private slots:
    void receiverWithDefaults();
    void cableScenario();
    void sleepingMouse();
    void noDeviceAndUsage();

private:
    // Runs mousecfg-cli with `args`; `virtualMouse` empty runs it on the real hardware.
    int run(const TestAppDir &dir, const QStringList &args, const QString &virtualMouse, QString *output,
            const QString &trace = QString());
};

int TestCliStatus::run(const TestAppDir &dir, const QStringList &args, const QString &virtualMouse,
                       QString *output, const QString &trace)
{
    const CliResult result = runCli(dir, args, virtualMouse, trace);
    *output = result.output;
    return result.exitCode;
}

void TestCliStatus::receiverWithDefaults()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString trace = dir.path() + "/trace.txt";
    QString output;
    QCOMPARE(run(dir, { "status" }, "receiver", &output, trace), 0);
    QCOMPARE(output,
             QStringLiteral("Connection: receiver\nBattery: 90%\nCharging: no\nStatus: 1\nSlot: 1\n"
                            "Cable firmware release: 0x0000\n"));
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.first(), "W 0524fa48" + QByteArray(58, '0'));
    QVERIFY(lines.at(1).startsWith("R 05"));
}

void TestCliStatus::cableScenario()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString scenario = dir.writeFile("cable.ini",
                                           "[Mouse]\nConnection=both\nCableRelease=0x0207\nBatteryLow=0xA2\n"
                                           "BatteryHigh=3\nCharge=1\nStatus=2\nLatencyMs=20\n");
    QString output;
    QCOMPARE(run(dir, { "status" }, scenario, &output), 0);
    // Reading 930 is 3836 mV: 60 %.
    QCOMPARE(output,
             QStringLiteral("Connection: both\nBattery: 60%\nCharging: yes\nStatus: 2\nSlot: 1\n"
                            "Cable firmware release: 0x0207\n"));
}

void TestCliStatus::sleepingMouse()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString scenario = dir.writeFile("asleep.ini", "[Mouse]\nAsleep=1\n");
    QString output;
    QCOMPARE(run(dir, { "status" }, scenario, &output), 0);
    QVERIFY2(output.startsWith("Connection: receiver\nBattery: mouse off\n"), qPrintable(output));

    const QString silent = dir.writeFile("silent.ini", "[Mouse]\nConnection=cable\n[Faults]\nSilence=-1\n");
    QCOMPARE(run(dir, { "status" }, silent, &output), 0);
    QVERIFY2(output.startsWith("Connection: cable\nBattery: no answer\n"), qPrintable(output));
}

void TestCliStatus::noDeviceAndUsage()
{
    TestAppDir dir(TestAppDir::Installed);
    QString output;
    QCOMPARE(run(dir, { "status" }, dir.writeFile("none.ini", "[Mouse]\nConnection=none\n"), &output), 1);
    QCOMPARE(output, QStringLiteral("Connection: none\n"));

    // Without the virtual mouse: the real hardware, here with ids that no device has.
    dir.writeFile("DefaultProfile.bin", "[PROFILE]\nvid1=1\npid1=1\nvid2=1\npid2=2\n");
    QCOMPARE(run(dir, { "status" }, QString(), &output), 1);
    QCOMPARE(output, QStringLiteral("Connection: none\n"));

    QCOMPARE(run(dir, { "status", "now" }, "receiver", &output), 64);
    QVERIFY(output.contains("usage: mousecfg-cli status"));
}

QTEST_GUILESS_MAIN(TestCliStatus)
#include "test_cli_status.moc"
