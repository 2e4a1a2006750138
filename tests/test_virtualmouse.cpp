#include "VirtualMouseLink.h"
#include "device/link/DeviceSession.h"
#include "device/status/StatusThreadRunner.h"
#include "virtualmouse/HidBackendSelection.h"
#include "virtualmouse/VirtualMouseScenario.h"
#include "virtualmouse/VirtualMouseTimeline.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray readReply(DeviceLink &link, int timeoutMs = 0)
{
    quint8 reply[ReportLength] = {};
    const int result = link.ReadCommandHandle(reply, ReportLength, timeoutMs);
    return result > 0 ? QByteArray(reinterpret_cast<const char *>(reply), result) : QByteArray();
}

QByteArray write(DeviceLink &link, const QByteArray &frame)
{
    link.WriteCommandHandle(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    return readReply(link);
}

// The bytes a battery report (charge, reading low and high) or a status report (slot, stage, rate,
// mode) signal carried, as numbers.
QList<int> bytes(const QList<QVariant> &arguments)
{
    const QVariant &argument = arguments.first();
    if (argument.userType() == qMetaTypeId<StatusReport>()) {
        const StatusReport report = argument.value<StatusReport>();
        return { report.slot, report.stage, report.rate, report.mode };
    }
    const BatteryReport report = argument.value<BatteryReport>();
    return { report.charge, report.lowByte, report.highByte };
}

} // namespace

// The firmware model and the links of the virtual mouse, seen through the device link.
class TestVirtualMouse : public QObject
{
    Q_OBJECT
private slots:
    void judgesFramesAndEchoes();
    void keepsBlocksInDeviceMemory();
    void batteryStatusAndSleep();
    void latencyDelaysTheReply();
    void unplugAndReplug();
    void scenarioAndEnvironment();
    void timelineDrivesTheSession();
    void timelineSyntax();
};

void TestVirtualMouse::judgesFramesAndEchoes()
{
    VirtualMouseLink link(true, false);
    const QByteArray block = wireFrame(requestFrame(0x01, 0, 0, QByteArray("\x0a\x0b", 2), 0xD1));
    QCOMPARE(write(link.device(), block), block);
    const QByteArray begin = wireFrame(requestFrame(0x46, 0));
    QCOMPARE(write(link.device(), begin), begin);
    QCOMPARE(write(link.device(), wireFrame(requestFrame(0x44, 2))), QByteArray());
    QCOMPARE(link.mouse.selectedProfile(), quint8(2));

    // Wrong report id, marker or checksum: received, but neither stored nor answered.
    QByteArray badId = block, badMarker = block, badSum = block;
    badId[0] = 0x06;
    badMarker[2] = char(0xFB);
    badSum[1] = char(block[1] ^ 1);
    for (const QByteArray &bad : { badId, badMarker, badSum })
        QCOMPARE(write(link.device(), bad), QByteArray());
    QCOMPARE(link.mouse.reports().size(), 6);

    // Wrong echoes: header (parameter 2), then payload; each fault counts down.
    link.mouse.setWrongHeaderEchoes(1);
    link.mouse.setWrongPayloadEchoes(1);
    const QByteArray wrong = write(link.device(), block);
    QVERIFY(wrong[5] != block[5] && wrong[8] != block[8]);
    QCOMPARE(wrong[1], char(ReportChecksum(reinterpret_cast<const quint8 *>(wrong.constData()))));
    QCOMPARE(write(link.device(), block), block);

    link.mouse.setWriteErrors(2);
    QCOMPARE(
        link.device().WriteCommandHandle(reinterpret_cast<const quint8 *>(block.constData()), ReportLength),
        -1);
    QCOMPARE(
        link.device().WriteCommandHandle(reinterpret_cast<const quint8 *>(block.constData()), ReportLength),
        -1);
    QCOMPARE(
        link.device().WriteCommandHandle(reinterpret_cast<const quint8 *>(block.constData()), ReportLength),
        ReportLength);
    link.mouse.setReadErrors(1);
    quint8 reply[ReportLength];
    QCOMPARE(link.device().ReadCommandHandle(reply, ReportLength, 0), -1);
    QCOMPARE(readReply(link.device()), block);
}

void TestVirtualMouse::keepsBlocksInDeviceMemory()
{
    VirtualMouseLink link(true, false);
    link.send(requestFrame(0x04, 0x00, 0, QByteArray(24, '\x01'), 0xD1));
    link.send(requestFrame(0x04, 0x48, 0, QByteArray(8, '\x02'), 0xD2));
    link.send(requestFrame(0x04, 0x7F, 0, QByteArray("\x1a", 1), 0xD3)); // closing frame: not stored
    QCOMPARE(link.mouse.memory(0x04),
             QByteArray(24, '\x01') + QByteArray(0x48 - 24, '\0') + QByteArray(8, '\x02'));

    // Macro offsets are 16-bit: parameter 1 low, parameter 2 high.
    link.send(requestFrame(0x05, 0x02, 0x01, QByteArray("\x33\x44", 2), 0xD1));
    QCOMPARE(link.mouse.memory(0x05).size(), 0x0104);
    QCOMPARE(link.mouse.memory(0x05).mid(0x0102), QByteArray("\x33\x44", 2));
    QVERIFY(link.mouse.memory(0x02).isEmpty());
}

void TestVirtualMouse::batteryStatusAndSleep()
{
    VirtualMouseLink link(false, true);
    link.mouse.setBattery({ 0xA2, 0x03, 1, 2, 7 });
    QByteArray battery = write(link.device(), wireFrame(requestFrame(0x48)));
    QCOMPARE(battery.size(), ReportLength);
    QCOMPARE(battery.mid(2, 9), QByteArray("\xfa\x48\xa2\x03\x01\x02\x00\x00\x07", 9));
    QCOMPARE(quint8(battery[1]), ReportChecksum(reinterpret_cast<const quint8 *>(battery.constData())));

    link.mouse.sendStatusReport(3, 1, 2, 0);
    QByteArray status = requestFrame(0x49, 3, 1);
    status[6] = 2;
    QCOMPARE(readReply(link.device()), wireFrame(status));

    // Asleep: only the battery query is answered, with zeros; nothing is stored.
    link.mouse.setAsleep(true);
    QCOMPARE(write(link.device(), wireFrame(requestFrame(0x46, 0))), QByteArray());
    link.send(requestFrame(0x01, 0, 0, QByteArray(1, '\1'), 0xD1));
    QVERIFY(link.mouse.memory(0x01).isEmpty());
    battery = write(link.device(), wireFrame(requestFrame(0x48)));
    QCOMPARE(battery.mid(3, 8), QByteArray("\x48\0\0\0\0\0\0\0", 8));
}

void TestVirtualMouse::latencyDelaysTheReply()
{
    VirtualMouseLink link(true, false);
    link.mouse.setLatency(120);
    const QByteArray begin = wireFrame(requestFrame(0x46, 0));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(write(link.device(), begin), QByteArray());
    QCOMPARE(readReply(link.device(), 200), begin);
    QVERIFY(timer.elapsed() >= 110);
}

void TestVirtualMouse::unplugAndReplug()
{
    VirtualMouseLink link(true, true);
    QSignalSpy notices(&link.mouse, &DeviceNoticeSource::deviceChanged);
    link.mouse.sendStatusReport(1, 1, 1, 0);
    link.mouse.unplug(VirtualMouse::Cable);
    QCOMPARE(notices.size(), 4);
    QCOMPARE(notices.at(3).at(0).toString(), link.mouse.interfaceName(VirtualMouse::Cable, 4));
    QCOMPARE(notices.at(3).at(1).toBool(), false);
    QVERIFY(notices.at(0).at(0).toString().contains("&PID_FB01&MI_00&Col01#"));

    // The cable's handles are dead even after a replug; the receiver stays reachable.
    quint8 reply[ReportLength];
    QCOMPARE(link.device().ReadCommandHandle(reply, ReportLength, 0), -1);
    QCOMPARE(link.mouse.enumerate(0, 0).size(), 4);
    link.mouse.plug(VirtualMouse::Cable);
    QCOMPARE(notices.size(), 8);
    QVERIFY(notices.at(7).at(1).toBool());
    QCOMPARE(link.device().ReadCommandHandle(reply, ReportLength, 0), -1);
    QCOMPARE(link.mouse.enumerate(0x248A, 0xFB01).size(), 4);
    QCOMPARE(link.mouse.releaseNumber(link.mouse.interfaceName(VirtualMouse::Cable, 4).toLatin1()),
             quint16(0x0105));

    link.device().CloseDevice();
    link.device().OpenDevice("SKYLARK");
    QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(link.mouse.reports(VirtualMouse::Cable).size(), 1);
}

void TestVirtualMouse::scenarioAndEnvironment()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString file
        = dir.writeFile("scenario.ini",
                        "[Mouse]\nConnection=cable\nCablePid=0x1234\nCableRelease=0x0207\n"
                        "BatteryLow=0x10\nDeviceType=9\nLatencyMs=0\n[Faults]\nWriteErrors=-1\n");
    QScopedPointer<VirtualMouse> mouse(createVirtualMouse(file));
    QVERIFY(mouse->isPlugged(VirtualMouse::Cable) && !mouse->isPlugged(VirtualMouse::Receiver));
    const QVector<HidDeviceRecord> records = mouse->enumerate(0x248A, 0x1234);
    QCOMPARE(records.size(), 4);
    QCOMPARE(records.at(3).releaseNumber, quint16(0x0207));
    QCOMPARE(records.at(3).usage, quint16(0));
    HidDevice *command = mouse->openPath(records.at(3).path.constData());
    QVERIFY(command);
    QCOMPARE(mouse->write(command,
                          reinterpret_cast<const quint8 *>(wireFrame(requestFrame(0x48)).constData()),
                          ReportLength),
             -1);
    mouse->close(command);

    QScopedPointer<VirtualMouse> nothing(createVirtualMouse(dir.path() + "/missing.ini"));
    QVERIFY(!nothing->isPlugged(VirtualMouse::Receiver) && !nothing->isPlugged(VirtualMouse::Cable));

    qputenv("MOUSECFG_VIRTUAL_MOUSE", "both");
    {
        // The virtual mouse is both the backend and the notice source of the program's main.
        const HidBackendChoice choice = chooseHidBackend();
        QScopedPointer<DeviceNoticeSource> notices(choice.notices);
        auto *fromEnvironment = qobject_cast<VirtualMouse *>(choice.notices);
        QVERIFY(fromEnvironment);
        QCOMPARE(choice.backend, static_cast<HidBackend *>(fromEnvironment));
        QVERIFY(fromEnvironment->isPlugged(VirtualMouse::Receiver)
                && fromEnvironment->isPlugged(VirtualMouse::Cable));
    }
    QVERIFY(DeviceLink(Product::load()).CurrentHidBackend() != nullptr);
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    QVERIFY(!virtualMouseFromEnvironment());
}

void TestVirtualMouse::timelineDrivesTheSession()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString file = dir.writeFile("timeline.ini",
                                       "[Mouse]\nConnection=receiver\n[Timeline]\n"
                                       "900=unplug receiver\n100=status 2 1 3 0\n"
                                       "50=battery 60 0x8a 0x03\n1200=plug receiver\n"
                                       "3500=asleep\n3600=awake, status 4 0 1 0\n");
    VirtualMouse *mouse = createVirtualMouse(file);
    QCOMPARE(mouse->timeline()->pendingCount(), 7);
    QVERIFY(!mouse->timeline()->isStarted());
    MouseSession mouseSession(mouse);
    DeviceLink &device = mouseSession.link();

    QScopedPointer<DeviceSession> session;
    // Stopped before the session closes the device.
    StatusThreadRunner runner(device, mouseSession.upload().state(), mouseSession.statusControl(),
                              mouseSession.product().batteryFullMillivolts);
    QSignalSpy status(&runner, &StatusThreadRunner::RefreshStatus);
    QSignalSpy battery(&runner, &StatusThreadRunner::RefreshBatteryStatus);
    QSignalSpy fired(mouse->timeline(), &VirtualMouseTimeline::fired);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> firedAt;
    connect(mouse->timeline(), &VirtualMouseTimeline::fired, this, [&] { firedAt << clock.elapsed(); });
    session.reset(new DeviceSession(device, mouseSession.statusControl(),
                                    mouse)); // initialises the backend: the clock starts
    QVERIFY(mouse->timeline()->isStarted());
    QSignalSpy lost(session.data(), &DeviceSession::deviceLost);
    QSignalSpy ready(session.data(), &DeviceSession::deviceReady);
    session->openCurrentDevice();
    runner.start();

    // The status report is read by the status thread as an unasked report.
    QTRY_COMPARE_WITH_TIMEOUT(status.size(), 1, 3000);
    QCOMPARE(bytes(status.at(0)), QList<int>({ 2, 1, 3, 0 }));
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 3000);
    QVERIFY(!device.CommandHandleOpen());
    quint8 reply[ReportLength];
    QCOMPARE(device.ReadCommandHandle(reply, ReportLength, 0), -1);

    // Plugged again: the device reopens and the new status thread's first query reads the battery.
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 3000);
    QVERIFY(device.CommandHandleOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!battery.isEmpty() && bytes(battery.last()) == QList<int>({ 60, 0x8a, 0x03 }),
                             3000);
    QTRY_COMPARE_WITH_TIMEOUT(status.size(), 2, 4000);
    QCOMPARE(bytes(status.at(1)), QList<int>({ 4, 0, 1, 0 }));

    QCOMPARE(fired.size(), 7);
    const QStringList order
        = { "battery 60 0x8a 0x03", "status 2 1 3 0", "unplug receiver", "plug receiver", "asleep", "awake",
            "status 4 0 1 0" };
    for (int i = 0; i < fired.size(); ++i) {
        QCOMPARE(fired.at(i).at(1).toString(), order.at(i));
        QVERIFY2(firedAt.at(i) >= fired.at(i).at(0).toInt() - 5, qPrintable(order.at(i)));
        QVERIFY2(firedAt.at(i) < fired.at(i).at(0).toInt() + 1500, qPrintable(order.at(i)));
    }
    QCOMPARE(mouse->timeline()->pendingCount(), 0);
    runner.stop();
}

void TestVirtualMouse::timelineSyntax()
{
    VirtualMouse mouse(true, false);
    VirtualMouseTimeline *timeline = mouse.timeline();
    for (const char *bad : { "", "unplug", "unplug mouse", "plug cable now", "status 1 2 3",
                             "status 1 2 3 256", "battery 1 2 x", "asleep 1", "jump" })
        QVERIFY2(!timeline->add(10, bad), bad);
    QVERIFY(!timeline->add(-1, "asleep"));
    QVERIFY(timeline->add(0, "  Unplug   RECEIVER "));
    QCOMPARE(timeline->pendingCount(), 1);

    // Started from another thread: the events still fire in the mouse's thread.
    QSignalSpy notices(&mouse, &DeviceNoticeSource::deviceChanged);
    QThread *starter = QThread::create([&mouse] { mouse.init(); });
    starter->start();
    starter->wait();
    delete starter;
    QTRY_COMPARE(notices.size(), VirtualMouse::CollectionCount);
    QVERIFY(!mouse.isPlugged(VirtualMouse::Receiver));
}

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "test_virtualmouse.moc"
