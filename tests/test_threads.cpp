#include "VirtualMouseLink.h"
#include "device/upload/ButtonBlock.h"
#include "device/upload/CommandSet.h"
#include "device/upload/DpiBlock.h"
#include "device/link/StatusThreadControl.h"
#include "device/status/StatusThreadRunner.h"
#include "device/status/TarnGetBatteryThread.h"
#include "device/upload/TarnProcessThread.h"
#include "device/upload/UploadThreadState.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"

#include <QtTest>

// The upload thread and the status thread against the virtual mouse.
class TestThreads : public QObject
{
    Q_OBJECT
private slots:
    void statusThreadPassesReportsOn();
    void sleepingMouseReportsZeros();
    void statusThreadEndsWithoutHandle();
    void uploadDecidesWhatToSend();
    void uploadWhileAsleepSendsNothing();
    void stoppedUploadDoesNothing();
    void runnerPausesAroundUpload();
};

namespace {
void prepareConfig(MouseSession &session)
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    session.upload().state().UploadSnapshot() = config;
    session.upload().state().LastSentConfig() = config;
}

// Runs one upload thread to its end; returns its status.
quint8 runUpload(MouseSession &session, bool sendEverything)
{
    TarnProcessThread thread(session.upload());
    thread.setSendEverything(sendEverything);
    QSignalSpy done(&thread, &TarnProcessThread::DoProcessDlg);
    thread.start(QThread::InheritPriority);
    thread.wait();
    return done.count() == 1 ? thread.status() : quint8(0xEE);
}
} // namespace

void TestThreads::statusThreadPassesReportsOn()
{
    VirtualMouseLink link(true, false);
    VirtualBattery battery;
    battery.low = 0xA2; // reading 930: about 3836 mV
    battery.high = 0x03;
    battery.charge = 7;
    battery.status = 3;
    battery.deviceType = 8;
    link.mouse.setBattery(battery);

    TarnGetBatteryThread thread(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    QSignalSpy batterySpy(&thread, &TarnGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy statusSpy(&thread, &TarnGetBatteryThread::RefreshStatus);
    QSignalSpy writeSpy(&thread, &TarnGetBatteryThread::RefreshWriteStatus);
    thread.start(QThread::InheritPriority);

    QTRY_COMPARE(batterySpy.count(), 1);
    const BatteryReport report = batterySpy.first().first().value<BatteryReport>();
    QVERIFY(!report.asleep && report.charging);
    QCOMPARE(report.level, 60); // reading 930 against the default 4200 mV
    QCOMPARE(report.charge, quint8(7));
    QCOMPARE(report.writeStatus, quint8(3));
    QCOMPARE(report.deviceType, quint8(8));
    QCOMPARE(writeSpy.count(), 1);
    QCOMPARE(writeSpy.first().first().value<quint8>(), quint8(3));
    QCOMPARE(link.session.upload().state().DeviceTypeByte(), quint8(8));
    QCOMPARE(link.mouse.reports().first(), wireFrame(requestFrame(0x48)));

    link.mouse.sendStatusReport(2, 3, 4, 1);
    QTRY_COMPARE(statusSpy.count(), 1);
    const StatusReport status = statusSpy.first().first().value<StatusReport>();
    QCOMPARE(QList<int>({ status.slot, status.stage, status.rate, status.mode }), QList<int>({ 2, 3, 4, 1 }));

    thread.stopAndWait();
    QVERIFY(thread.isFinished());
    QCOMPARE(link.mouse.reports().size(), 1); // one query per cycle of about 28 s

    // A status report read where the battery query's answer was expected is passed on, not lost.
    link.mouse.sendStatusReport(1, 2, 3, 0);
    TarnGetBatteryThread second(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    QSignalSpy secondBattery(&second, &TarnGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy secondStatus(&second, &TarnGetBatteryThread::RefreshStatus);
    second.start(QThread::InheritPriority);
    QTRY_COMPARE(secondStatus.count(), 1);
    const StatusReport early = secondStatus.first().first().value<StatusReport>();
    QCOMPARE(QList<int>({ early.slot, early.stage, early.rate, early.mode }), QList<int>({ 1, 2, 3, 0 }));
    QTRY_COMPARE(secondBattery.count(), 1);
    second.stopAndWait();
}

void TestThreads::sleepingMouseReportsZeros()
{
    VirtualMouseLink link(true, false);
    link.mouse.setAsleep(true);
    TarnGetBatteryThread thread(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    QSignalSpy batterySpy(&thread, &TarnGetBatteryThread::RefreshBatteryStatus);
    QSignalSpy writeSpy(&thread, &TarnGetBatteryThread::RefreshWriteStatus);
    thread.start();
    QTRY_COMPARE(batterySpy.count(), 1);
    const BatteryReport asleep = batterySpy.first().first().value<BatteryReport>();
    QVERIFY(asleep.asleep && !asleep.charging);
    QCOMPARE(asleep.level, 0);
    QTest::qWait(100);
    QCOMPARE(writeSpy.count(), 0);
    thread.stopAndWait();
}

void TestThreads::statusThreadEndsWithoutHandle()
{
    VirtualMouseLink link(true, false);
    link.device().CloseDevice();
    TarnGetBatteryThread thread(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    thread.start();
    QVERIFY(thread.wait(2000));
    QVERIFY(link.mouse.reports().isEmpty());
}

void TestThreads::uploadDecidesWhatToSend()
{
    VirtualMouseLink link(true, false);
    prepareConfig(link.session);

    // Nothing changed and the mouse is up to date: nothing is sent, success.
    SaveDiff(0);
    QCOMPARE(runUpload(link.session, false), quint8(ReportOk));
    QVERIFY(link.mouse.reports().isEmpty());

    // A changed stage sends the DPI group only.
    link.session.upload().state().UploadSnapshot().profiles[0].stages[2].x += 1;
    QCOMPARE(runUpload(link.session, false), quint8(ReportOk));
    QVERIFY(!link.mouse.memory(0x02).isEmpty());
    QVERIFY(link.mouse.memory(0x04).isEmpty());
    QCOMPARE(LoadDiff(), 0);
    QVERIFY(link.session.upload().state().LastSentConfig() == link.session.upload().state().UploadSnapshot());

    // A failed upload marks the mouse out of date; the next one sends every group.
    link.mouse.clearReports();
    link.mouse.setWriteErrors(1);
    link.session.upload().state().UploadSnapshot().profiles[0].pollrate = 2;
    QCOMPARE(runUpload(link.session, false), quint8(ReportWriteFailed));
    QCOMPARE(LoadDiff(), 1);
    QVERIFY(link.session.upload().state().LastSentConfig() == link.session.upload().state().UploadSnapshot());
    QCOMPARE(runUpload(link.session, false), quint8(ReportOk));
    QVERIFY(!link.mouse.memory(0x04).isEmpty());
    QVERIFY(!link.mouse.memory(0x03).isEmpty());
    QCOMPARE(LoadDiff(), 0);

    // The send-everything flag sends every group although nothing changed.
    link.mouse.clearReports();
    QCOMPARE(runUpload(link.session, true), quint8(ReportOk));
    QVERIFY(link.mouse.reports().size() > 30);

    // The snapshot reached Config.ini and the slot files.
    ConfigData saved;
    LoadConfig(saved);
    QCOMPARE(saved.profiles[0].pollrate, quint8(2));
}

void TestThreads::uploadWhileAsleepSendsNothing()
{
    VirtualMouseLink link(true, false);
    prepareConfig(link.session);
    SaveDiff(1);
    link.session.upload().state().SetMouseAsleep(true);
    QCOMPARE(runUpload(link.session, true), quint8(DeviceAsleep));
    QVERIFY(link.mouse.reports().isEmpty());
    QCOMPARE(LoadDiff(), 1);
}

void TestThreads::stoppedUploadDoesNothing()
{
    VirtualMouseLink link(true, false);
    prepareConfig(link.session);
    SaveDiff(1);
    TarnProcessThread thread(link.session.upload());
    QSignalSpy done(&thread, &TarnProcessThread::DoProcessDlg);
    thread.requestStop();
    thread.start();
    thread.wait();
    QCOMPARE(done.count(), 0);
    QVERIFY(link.mouse.reports().isEmpty());
}

void TestThreads::runnerPausesAroundUpload()
{
    VirtualMouseLink link(true, false);
    prepareConfig(link.session);
    auto *runner = new StatusThreadRunner(link.device(), link.session.upload().state(), link.session.statusControl(),
                                         link.session.product().batteryFullMillivolts);
    QSignalSpy batterySpy(runner, &StatusThreadRunner::RefreshBatteryStatus);
    runner->start();
    QTRY_COMPARE(batterySpy.count(), 1); // passed on in this thread
    QCOMPARE(batterySpy.first().first().value<BatteryReport>().lowByte, quint8(0xE8));

    // The upload thread stops (joins) the status thread and starts it again once it has succeeded.
    link.mouse.clearReports();
    bool runningDuringUpload = true;
    QThread *upload = QThread::create([&] {
        link.session.statusControl().StopStatusThread();
        runningDuringUpload = runner->isRunning();
        link.session.statusControl().StartStatusThread();
    });
    upload->start();
    upload->wait();
    delete upload;
    QVERIFY(!runningDuringUpload);
    QTRY_VERIFY(runner->isRunning());
    QTRY_COMPARE(batterySpy.count(), 2);

    delete runner; // stops the thread and uninstalls the control
    link.session.statusControl().StopStatusThread();
    QCOMPARE(link.session.upload().WriteProfileToDevice(link.session.upload().state().UploadSnapshot(), 0), quint8(ReportOk));
}

QTEST_GUILESS_MAIN(TestThreads)
#include "test_threads.moc"
