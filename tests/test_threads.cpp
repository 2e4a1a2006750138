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

#include <memory>

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
    void noStartDuringUpload_data();
    void noStartDuringUpload();
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

// What a worker thread's signal carried, collected in the test's thread through queued calls:
// QSignalSpy appends in the emitting thread, racing with the test that reads its list meanwhile.
template <typename Value>
class Collected : public QObject
{
public:
    template <typename Signal>
    Collected(const TarnGetBatteryThread *thread, Signal signal)
    {
        connect(thread, signal, this, [this](const Value &value) { values.append(value); });
    }
    QList<Value> values;
};

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
    Collected<BatteryReport> batteries(&thread, &TarnGetBatteryThread::RefreshBatteryStatus);
    Collected<StatusReport> statuses(&thread, &TarnGetBatteryThread::RefreshStatus);
    Collected<quint8> writeStatuses(&thread, &TarnGetBatteryThread::RefreshWriteStatus);
    thread.start(QThread::InheritPriority);

    QTRY_COMPARE(batteries.values.size(), 1);
    const BatteryReport report = batteries.values.first();
    QVERIFY(!report.asleep && report.charging);
    QCOMPARE(report.level, 60); // reading 930 against the default 4200 mV
    QCOMPARE(report.charge, quint8(7));
    QCOMPARE(report.writeStatus, quint8(3));
    QCOMPARE(report.deviceType, quint8(8));
    QCOMPARE(writeStatuses.values.size(), 1);
    QCOMPARE(writeStatuses.values.first(), quint8(3));
    QCOMPARE(link.session.upload().state().DeviceTypeByte(), quint8(8));
    QCOMPARE(link.mouse.reports().first(), wireFrame(requestFrame(0x48)));

    link.mouse.sendStatusReport(2, 3, 4, 1);
    QTRY_COMPARE(statuses.values.size(), 1);
    const StatusReport status = statuses.values.first();
    QCOMPARE(QList<int>({ status.slot, status.stage, status.rate, status.mode }), QList<int>({ 2, 3, 4, 1 }));

    thread.stopAndWait();
    QVERIFY(thread.isFinished());
    QCOMPARE(link.mouse.reports().size(), 1); // one query per cycle of about 28 s

    // A status report read where the battery query's answer was expected is passed on, not lost.
    link.mouse.sendStatusReport(1, 2, 3, 0);
    TarnGetBatteryThread second(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    Collected<BatteryReport> secondBatteries(&second, &TarnGetBatteryThread::RefreshBatteryStatus);
    Collected<StatusReport> secondStatuses(&second, &TarnGetBatteryThread::RefreshStatus);
    second.start(QThread::InheritPriority);
    QTRY_COMPARE(secondStatuses.values.size(), 1);
    const StatusReport early = secondStatuses.values.first();
    QCOMPARE(QList<int>({ early.slot, early.stage, early.rate, early.mode }), QList<int>({ 1, 2, 3, 0 }));
    QTRY_COMPARE(secondBatteries.values.size(), 1);
    second.stopAndWait();
}

void TestThreads::sleepingMouseReportsZeros()
{
    VirtualMouseLink link(true, false);
    link.mouse.setAsleep(true);
    TarnGetBatteryThread thread(link.device(), link.session.upload().state(),
                                link.session.product().batteryFullMillivolts);
    Collected<BatteryReport> batteries(&thread, &TarnGetBatteryThread::RefreshBatteryStatus);
    Collected<quint8> writeStatuses(&thread, &TarnGetBatteryThread::RefreshWriteStatus);
    thread.start();
    QTRY_COMPARE(batteries.values.size(), 1);
    const BatteryReport asleep = batteries.values.first();
    QVERIFY(asleep.asleep && !asleep.charging);
    QCOMPARE(asleep.level, 0);
    QTest::qWait(100);
    QCOMPARE(writeStatuses.values.size(), 0);
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

void TestThreads::noStartDuringUpload_data()
{
    QTest::addColumn<bool>("queuedByLastUpload"); // else asked for directly, as on a hot-plug notice
    QTest::newRow("start queued by the last upload's end") << true;
    QTest::newRow("start asked for while the upload runs") << false;
}

void TestThreads::noStartDuringUpload()
{
    QFETCH(bool, queuedByLastUpload);
    VirtualMouseLink link(true, false);
    prepareConfig(link.session);
    const ConfigData config = link.session.upload().state().UploadSnapshot();
    StatusThreadControl &control = link.session.statusControl();
    StatusThreadRunner runner(link.device(), link.session.upload().state(), control,
                              link.session.product().batteryFullMillivolts);
    QSignalSpy batteries(&runner, &StatusThreadRunner::RefreshBatteryStatus);
    runner.start();
    QTRY_COMPARE(batteries.count(), 1);

    const auto uploadThread = [&](quint8 &result) {
        return QThread::create([&] { result = link.session.upload().WriteProfileToDevice(config, AllGroups); });
    };
    quint8 first = 0xFF;
    quint8 second = 0xFF;
    if (queuedByLastUpload) {
        // Its end queues a start to this thread, which has not run it yet when the next upload begins.
        std::unique_ptr<QThread> upload(uploadThread(first));
        upload->start();
        upload->wait();
        QCOMPARE(int(first), int(ReportOk));
    }
    link.mouse.clearReports();
    std::unique_ptr<QThread> upload(uploadThread(second));
    upload->start();
    while (!control.HeldForUpload() && !upload->isFinished())
        QThread::msleep(1);
    if (!queuedByLastUpload)
        runner.start();
    while (!upload->wait(10))
        QCoreApplication::processEvents();
    QCOMPARE(int(second), int(ReportOk));

    // The status thread asked nothing between the upload's begin and end, and runs again after it.
    const QList<QByteArray> reports = link.mouse.reports();
    const int begin = reports.indexOf(wireFrame(requestFrame(0x46, 0)));
    const int end = reports.lastIndexOf(wireFrame(requestFrame(0x46, 1)));
    QVERIFY(begin >= 0 && end > begin);
    for (int i = begin; i <= end; ++i)
        QVERIFY2(quint8(reports[i][3]) != CmdBattery, qPrintable(QString::number(i)));
    QTRY_VERIFY(runner.isRunning());
}

QTEST_GUILESS_MAIN(TestThreads)
#include "test_threads.moc"
