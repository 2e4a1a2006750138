#include "VirtualMouseLink.h"
#include "device/link/DeviceSession.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/CommandSet.h"
#include "device/upload/TarnProcessThread.h"
#include "device/upload/UploadThreadState.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "virtualmouse/VirtualMouseTimeline.h"

#include <QtTest>

// Device faults during an upload: the result code, whether the status thread runs, the full-upload
// mark, that the next upload repairs the mouse, and that the settings files hold what was saved.
class TestFaultsDevice : public QObject
{
    Q_OBJECT
private slots:
    void faultDuringUpload_data();
    void faultDuringUpload();
    void unplugDuringUpload();
    void asleepSendsNothing();
};

namespace {

// Runs one upload thread to its end with an event loop running, as the window does.
quint8 runUpload(MouseSession &session, bool sendEverything = false)
{
    TarnProcessThread thread(session.upload());
    thread.setSendEverything(sendEverything);
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread.start(QThread::InheritPriority);
    loop.exec();
    thread.wait();
    QCoreApplication::processEvents(); // a queued start of the status thread
    return thread.status();
}

// The command bytes written, without repeats.
QSet<int> commands(const QList<QByteArray> &reports)
{
    QSet<int> set;
    for (const QByteArray &report : reports)
        set << quint8(report.at(3));
    return set;
}

const QSet<int> EveryGroup = { CmdGeneralBlock, CmdDpiBlock, CmdButtonBlock, CmdLightingBlock, CmdApply };

// A saved configuration as the last upload left it, and a change of the DPI stage on top.
ConfigData prepareChange(MouseSession &session)
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    config.profileNames[0] = QStringLiteral("Slot one");
    SaveConfig(config);
    SaveDiff(0);
    session.upload().state().LastSentConfig() = config;
    config.profiles[0].dpi = quint8((config.profiles[0].dpi + 1) % 4);
    session.upload().state().UploadSnapshot() = config;
    return config;
}

// The files hold `expected`, completely.
bool filesHold(const ConfigData &expected)
{
    ConfigData loaded;
    LoadConfig(loaded);
    for (int k = 0; k < ProfileSlots; ++k) {
        if (!(loaded.profiles[k] == expected.profiles[k])
            || loaded.profileNames[k] != expected.profileNames[k])
            return false;
    }
    return loaded.ProfileID == expected.ProfileID;
}

} // namespace

void TestFaultsDevice::faultDuringUpload_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    // A mouse that never echoes is not a failure of the transport (six empty replies settle as
    // confirmed); the window learns of a sleeping mouse from the status thread instead.
    QTest::newRow("silent") << "silence" << int(ReportOk);
    QTest::newRow("wrong header echoes") << "header" << int(ReportNotConfirmed);
    QTest::newRow("wrong payload echoes") << "payload" << int(ReportNotConfirmed);
    QTest::newRow("read errors") << "read" << int(ReportNotConfirmed);
    QTest::newRow("write errors") << "write" << int(ReportWriteFailed);
    QTest::newRow("storm of status reports") << "storm" << int(ReportNotConfirmed);
}

void TestFaultsDevice::faultDuringUpload()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    VirtualMouseLink link(true, false);
    StatusThreadRunner runner(link.device(), link.session.upload().state(), link.session.statusControl(),
                              link.session.product().batteryFullMillivolts);
    runner.start();
    const ConfigData changed = prepareChange(link.session);

    if (fault == "silence")
        link.mouse.setSilence(VirtualMouse::Unlimited);
    else if (fault == "header")
        link.mouse.setWrongHeaderEchoes(VirtualMouse::Unlimited);
    else if (fault == "payload")
        link.mouse.setWrongPayloadEchoes(VirtualMouse::Unlimited);
    else if (fault == "read")
        link.mouse.setReadErrors(VirtualMouse::Unlimited);
    else if (fault == "write")
        link.mouse.setWriteErrors(VirtualMouse::Unlimited);
    else
        for (int i = 0; i < 60; ++i)
            link.mouse.sendStatusReport(1, 2, 3, 0);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(int(runUpload(link.session)), result);
    QVERIFY(clock.elapsed() < 30000);
    // Only silence settles reports as sent without an answer; the link counts them for the caller.
    QCOMPARE(link.device().UnconfirmedReports() > 0, fault == "silence");
    // After a failure the mouse may hold part of the upload: the next one sends everything; until
    // the window starts it, the status thread stays stopped.
    QCOMPARE(LoadDiff(), result == ReportOk ? 0 : 1);
    QCOMPARE(runner.isRunning(), result == ReportOk);
    QVERIFY(filesHold(changed));
    if (result == ReportOk)
        return;

    link.mouse.setSilence(0);
    link.mouse.setWrongHeaderEchoes(0);
    link.mouse.setWrongPayloadEchoes(0);
    link.mouse.setReadErrors(0);
    link.mouse.setWriteErrors(0);
    link.device().CloseDevice(); // drops replies still queued for the old handles
    link.mouse.unplug(VirtualMouse::Receiver);
    link.mouse.plug(VirtualMouse::Receiver);
    link.device().OpenDevice(CurrentProduct().toLatin1().constData());
    link.mouse.clearReports();
    QCOMPARE(int(runUpload(link.session)), int(ReportOk));
    QVERIFY(commands(link.mouse.reports()).contains(EveryGroup));
    QCOMPARE(LoadDiff(), 0);
    QVERIFY(runner.isRunning());
    QVERIFY(filesHold(changed));
}

void TestFaultsDevice::unplugDuringUpload()
{
    TestAppDir dir(TestAppDir::Installed);
    // The clock starts when the session first initialises the backend, just before the upload.
    auto *mouse = new VirtualMouse(true, false);
    // Slow enough that the upload of one changed block is still writing when the receiver goes.
    mouse->setLatency(40);
    QVERIFY(mouse->timeline()->add(150, "unplug receiver"));
    QVERIFY(mouse->timeline()->add(1500, "plug receiver"));
    MouseSession mouseSession(mouse);
    QScopedPointer<DeviceSession> session;
    StatusThreadRunner runner(mouseSession.link(), mouseSession.upload().state(),
                              mouseSession.statusControl(), mouseSession.product().batteryFullMillivolts);
    session.reset(new DeviceSession(mouseSession.link(), mouseSession.statusControl(), mouse));
    session->openCurrentDevice();
    QSignalSpy lost(session.data(), &DeviceSession::deviceLost);
    QSignalSpy ready(session.data(), &DeviceSession::deviceReady);
    const ConfigData changed = prepareChange(mouseSession);

    const quint8 status = runUpload(mouseSession);
    QVERIFY2(status == ReportNoDevice || status == ReportWriteFailed || status == ReportNotConfirmed,
             qPrintable(QString::number(status)));
    QCOMPARE(lost.size(), 1);
    QCOMPARE(LoadDiff(), 1);
    QVERIFY(filesHold(changed));

    // Plugged in again: the session reopens the device and starts the status thread; the next
    // upload sends everything.
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 5000);
    QVERIFY(runner.isRunning());
    mouse->clearReports();
    mouse->setLatency(2);
    QCOMPARE(int(runUpload(mouseSession)), int(ReportOk));
    QVERIFY(commands(mouse->reports()).contains(EveryGroup));
    QCOMPARE(LoadDiff(), 0);
    runner.stop();
}

void TestFaultsDevice::asleepSendsNothing()
{
    VirtualMouseLink link(true, false);
    StatusThreadRunner runner(link.device(), link.session.upload().state(), link.session.statusControl(),
                              link.session.product().batteryFullMillivolts);
    runner.start();
    const ConfigData changed = prepareChange(link.session);
    link.mouse.setAsleep(true);
    link.session.upload().state().SetMouseAsleep(true);
    link.mouse.clearReports();
    QCOMPARE(int(runUpload(link.session)), int(DeviceAsleep));
    QVERIFY(!commands(link.mouse.reports()).intersects(EveryGroup));
    // Nothing reached the mouse, so nothing is marked; the status thread keeps listening.
    QCOMPARE(LoadDiff(), 0);
    QVERIFY(runner.isRunning());
    QVERIFY(filesHold(changed));
    runner.stop();
}

QTEST_GUILESS_MAIN(TestFaultsDevice)
#include "test_faults_device.moc"
