// The program's own device path (system hidapi, hidraw nodes in sysfs, the udev monitor) against the
// firmware model behind umockdev's mock nodes (mockkernel/MockKernel).
#include "mockkernel/MockHidDescriptors.h"
#include "mockkernel/MockKernel.h"

#include "CliRun.h"
#include "FullUploadExpectations.h"
#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "VirtualMouseLink.h"
#include "device/link/DeviceSession.h"
#include "device/link/SystemHidBackend.h"
#include "device/status/StatusThreadRunner.h"
#include "platform/DeviceNoticeSource.h"
#include "platform/UdevHidMonitor.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/ProductDefinition.h"
#include "ui/main/ConnectionDisplay.h"
#include "ui/widgets/TarnProcessbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

class TestRealPath : public QObject
{
    Q_OBJECT
private slots:
    void discoveryChoosesTheCommandCollection_data();
    void discoveryChoosesTheCommandCollection();
    void fullUploadByteForByte();
    void statusAndBatteryReportsFollowed();
    void hotPlug_data();
    void hotPlug();
    void twoReceivers();
    void windowStartShowsTheFirstBattery();
    void accessRetryOpensOnceReadable();
    void doctorNamesTheNodeInUse_data();
    void doctorNamesTheNodeInUse();
    void nodeRemovedWhileOpen();
    void unplugDuringUpload();
    void cableDuringUpload_data();
    void cableDuringUpload();
};

namespace {

using Link = MockKernel::Link;

// The program's path on the mock nodes: a session on the system hidapi with the table built,
// enumerated and the current product opened.
struct RealPath
{
    explicit RealPath(MouseSession::StatusThread status = MouseSession::NoStatusThread)
        : session(nullptr, status)
    { }
    void open()
    {
        link().BuildDeviceTable();
        link().EnumerateDevices();
        link().OpenDevice(CurrentProduct().toLatin1().constData());
    }
    DeviceLink &link() { return session.link(); }
    quint8 send(const QByteArray &frame)
    {
        return link().SendReport(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    }
    MouseSession session;
};

// The reports of an upload of `config` to the virtual mouse.
QList<QByteArray> virtualUpload(const ConfigData &config)
{
    VirtualMouse mouse(true, false);
    MouseSession session(&mouse);
    session.link().BuildDeviceTable();
    session.link().EnumerateDevices();
    session.link().OpenDevice(CurrentProduct().toLatin1().constData());
    if (session.upload().WriteProfileToDevice(config, AllGroups) != ReportOk)
        return {};
    return mouse.reports();
}

QByteArray mouseMovement()
{
    return QByteArray("\x01\x00\x05\x00\xfb\xff\x00", 7);
}

} // namespace

void TestRealPath::discoveryChoosesTheCommandCollection_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("withCommand"); // the first receiver's descriptor has the command collection
    QTest::addColumn<bool>("second"); // a second receiver on a later port
    QTest::newRow("receiver") << true << false << true << false;
    QTest::newRow("cable") << false << true << true << false;
    QTest::newRow("both") << true << true << true << false;
    QTest::newRow("receiver without command collection") << true << false << false << false;
    QTest::newRow("cable, and a receiver without it") << true << true << false << false;
    QTest::newRow("two receivers") << true << false << true << true;
    QTest::newRow("two receivers, the first without it") << true << false << false << true;
    QTest::newRow("two receivers and the cable") << true << true << true << true;
}

void TestRealPath::discoveryChoosesTheCommandCollection()
{
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(bool, withCommand);
    QFETCH(bool, second);
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    if (!withCommand)
        kernel.setDescriptor(MockKernel::Receiver, MockHidDescriptors::withoutCommandCollection());
    if (receiver)
        kernel.plug(MockKernel::Receiver);
    if (cable)
        kernel.plug(MockKernel::Cable);
    if (second)
        kernel.plug(MockKernel::SecondReceiver);

    // Every top-level collection of a node is one record, numbered in descriptor order.
    SystemHidBackend backend;
    QCOMPARE(backend.init(), 0);
    const QVector<HidDeviceRecord> records = backend.enumerate(0, 0);
    QStringList seen;
    for (const HidDeviceRecord &record : records)
        seen << QStringLiteral("%1 %2:%3")
                    .arg(QString::fromLatin1(record.path))
                    .arg(record.usagePage)
                    .arg(record.usage);
    QStringList expected;
    for (const Link link : { MockKernel::Receiver, MockKernel::Cable, MockKernel::SecondReceiver }) {
        const QString node = QString::fromLatin1(kernel.vendorNode(link));
        if (node.isEmpty())
            continue;
        expected << node + "&col01 1:2" << node + "&col02 1:6" << node + "&col03 12:1";
        if (link != MockKernel::Receiver || withCommand)
            expected << node + "&col04 1:0";
        if (link != MockKernel::Cable)
            expected << QString::fromLatin1(kernel.keyboardNode(link)) + "&col01 1:6";
    }
    seen.sort();
    expected.sort();
    QCOMPARE(seen, expected);

    RealPath path;
    path.open();
    DeviceLink &link = path.link();
    // A receiver without the command collection is not a mouse of this product: never opened. Of two
    // receivers, the first found with both collections is used.
    const bool usableReceiver = (receiver && withCommand) || second;
    const Link usedReceiver = receiver && withCommand ? MockKernel::Receiver : MockKernel::SecondReceiver;
    QCOMPARE(link.InterfacePresent(ReceiverMouse), receiver || second);
    QCOMPARE(link.InterfacePresent(ReceiverCommand), usableReceiver);
    QCOMPARE(link.InterfacePresent(CableMouse), cable);
    QCOMPARE(link.InterfacePresent(CableCommand), cable);
    QCOMPARE(link.ConnectedDeviceCount(), usableReceiver || cable ? 1 : 0);
    QCOMPARE(link.CableFirmwareRelease(), quint16(cable ? 0x0105 : 0));
    QCOMPARE(link.InterfaceOpen(ReceiverCommand), usableReceiver);
    QCOMPARE(link.InterfaceOpen(ReceiverMouse), usableReceiver);
    QCOMPARE(link.InterfaceOpen(CableCommand), cable);
    QVERIFY(link.DeniedDeviceNodes().isEmpty());
    QStringList present;
    if (usableReceiver)
        present << QString::fromLatin1(kernel.vendorNode(usedReceiver));
    else if (receiver)
        present << QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver));
    if (cable)
        present << QString::fromLatin1(kernel.vendorNode(MockKernel::Cable));
    present.sort();
    QCOMPARE(link.PresentDeviceNodes(), present);

    if (!usableReceiver && !cable) {
        QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportNoDevice));
        QVERIFY(kernel.reports().isEmpty());
        return;
    }
    // Commands go to the cable when it is there, and arrive as written.
    const QByteArray frame = requestFrame(0x46, 0);
    QCOMPARE(path.send(frame), quint8(ReportOk));
    const Link used = cable ? MockKernel::Cable : usedReceiver;
    QCOMPARE(kernel.reports(used), QList<QByteArray>({ wireFrame(frame) }));
    QCOMPARE(kernel.reports().size(), 1);
}

void TestRealPath::fullUploadByteForByte()
{
    TestAppDir dir(TestAppDir::Installed);
    const ConfigData config = FullUpload::config();
    const QList<QByteArray> virtualReports = virtualUpload(config);

    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    RealPath path;
    path.open();
    QVERIFY(path.link().InterfaceOpen(ReceiverCommand));
    const quint32 unconfirmedBefore = path.link().UnconfirmedReports();
    QCOMPARE(path.session.upload().WriteProfileToDevice(config, AllGroups), quint8(ReportOk));
    // Every report was answered through the node; none settled as sent after silence.
    QCOMPARE(path.link().UnconfirmedReports(), unconfirmedBefore);
    QCOMPARE(kernel.reports(), virtualReports);
    FullUpload::check(kernel.reports(), [&](quint8 command) { return kernel.memory(command); });
}

void TestRealPath::statusAndBatteryReportsFollowed()
{
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    VirtualBattery battery;
    battery.low = 0xD0; // 4050 mV
    battery.high = 0x03;
    battery.charge = 1;
    battery.deviceType = 2;
    kernel.setBattery(battery);
    kernel.plug(MockKernel::Receiver);

    RealPath path(MouseSession::WithStatusThread);
    path.open();
    StatusThreadRunner *runner = path.session.statusRunner();
    QSignalSpy batteries(runner, &StatusThreadRunner::RefreshBatteryStatus);
    QSignalSpy statuses(runner, &StatusThreadRunner::RefreshStatus);
    runner->start();

    // The first battery report is the answer to the thread's first query.
    QTRY_VERIFY_WITH_TIMEOUT(!batteries.isEmpty(), 3000);
    const auto first = batteries.first().first().value<BatteryReport>();
    QVERIFY(!first.asleep);
    QVERIFY(first.charging);
    QCOMPARE(first.deviceType, quint8(2));
    QCOMPARE(first.lowByte, quint8(0xD0));

    // Mouse movements on the same node never reach the command handle; the status report after them
    // arrives whole.
    for (int i = 0; i < 3; ++i)
        kernel.injectReport(MockKernel::Receiver, mouseMovement());
    kernel.sendStatusReport(2, 3, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!statuses.isEmpty(), 3000);
    const auto status = statuses.first().first().value<StatusReport>();
    QCOMPARE(int(status.slot), 2);
    QCOMPARE(int(status.stage), 3);
    QCOMPARE(int(status.rate), 1);
    QCOMPARE(statuses.size(), 1);
    runner->stop();
    QVERIFY(kernel.readsServed(MockKernel::Receiver) >= 5);
}

void TestRealPath::hotPlug_data()
{
    QTest::addColumn<bool>("cableFirst");
    QTest::newRow("receiver, then cable") << false;
    QTest::newRow("cable, then receiver") << true;
}

void TestRealPath::hotPlug()
{
    QFETCH(bool, cableFirst);
    const Link first = cableFirst ? MockKernel::Cable : MockKernel::Receiver;
    const Link second = cableFirst ? MockKernel::Receiver : MockKernel::Cable;
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    RealPath path;
    auto *monitor = new UdevHidMonitor;
    QVERIFY(monitor->isActive());
    DeviceSession session(path.link(), path.session.statusControl(), monitor);
    QSignalSpy ready(&session, &DeviceSession::deviceReady);
    QSignalSpy lost(&session, &DeviceSession::deviceLost);
    session.openCurrentDevice();
    QVERIFY(!path.link().CommandHandleOpen());

    kernel.plug(first);
    QTRY_VERIFY_WITH_TIMEOUT(ready.size() == 1, 3000);
    QVERIFY(path.link().InterfaceOpen(first == MockKernel::Cable ? CableCommand : ReceiverCommand));
    QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(kernel.reports(first).size(), 1);

    // With both, the cable carries the commands.
    kernel.plug(second);
    QTRY_VERIFY_WITH_TIMEOUT(
        path.link().InterfaceOpen(CableCommand) && path.link().InterfaceOpen(ReceiverCommand), 3000);
    kernel.clearReports();
    QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(kernel.reports(MockKernel::Cable).size(), 1);
    QCOMPARE(kernel.reports().size(), 1);

    // The first goes: the second carries on.
    kernel.unplug(first);
    const DeviceInterface remaining = second == MockKernel::Cable ? CableCommand : ReceiverCommand;
    QTRY_VERIFY_WITH_TIMEOUT(
        !path.link().InterfacePresent(first == MockKernel::Cable ? CableCommand : ReceiverCommand), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(path.link().InterfaceOpen(remaining), 3000);
    kernel.clearReports();
    QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(kernel.reports(second).size(), 1);
    QCOMPARE(lost.size(), 0);

    kernel.unplug(second);
    QTRY_VERIFY_WITH_TIMEOUT(lost.size() == 1, 3000);
    QVERIFY(!path.link().CommandHandleOpen());
    QCOMPARE(path.link().ConnectedDeviceCount(), 0);
}

void TestRealPath::twoReceivers()
{
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    RealPath path;
    auto *monitor = new UdevHidMonitor;
    QSignalSpy notices(monitor, &DeviceNoticeSource::deviceChanged);
    DeviceSession session(path.link(), path.session.statusControl(), monitor);
    QSignalSpy lost(&session, &DeviceSession::deviceLost);
    session.openCurrentDevice();
    QVERIFY(path.link().CommandHandleOpen());
    const QString first = QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver));
    // Each receiver's five collections (four on its first interface, the keyboard's) noticed.
    const auto plug = [&](Link receiver, bool in) {
        const int before = notices.size();
        if (in)
            kernel.plug(receiver);
        else
            kernel.unplug(receiver);
        QTRY_COMPARE_WITH_TIMEOUT(notices.size(), before + 5, 3000);
    };
    const auto commandReaches = [&](Link link) {
        kernel.clearReports();
        return path.send(requestFrame(0x46, 0)) == ReportOk && kernel.reports(link).size() == 1
            && kernel.reports().size() == 1;
    };

    // A second receiver comes and goes: the first stays in use, its handles untouched.
    for (const bool in : { true, false }) {
        plug(MockKernel::SecondReceiver, in);
        QCOMPARE(path.link().PresentDeviceNodes(), QStringList({ first }));
        QVERIFY(path.link().InterfaceOpen(ReceiverCommand));
        QVERIFY(commandReaches(MockKernel::Receiver));
    }
    QCOMPARE(lost.size(), 0);

    // The one in use goes while the other is there: the other takes over, no mouse is lost.
    plug(MockKernel::SecondReceiver, true);
    const QString second = QString::fromLatin1(kernel.vendorNode(MockKernel::SecondReceiver));
    plug(MockKernel::Receiver, false);
    QCOMPARE(path.link().PresentDeviceNodes(), QStringList({ second }));
    QVERIFY(path.link().InterfaceOpen(ReceiverCommand));
    QVERIFY(commandReaches(MockKernel::SecondReceiver));
    QCOMPARE(session.connectedCount(), 1);
    QCOMPARE(lost.size(), 0);

    // The first back: the second stays in use until it goes.
    plug(MockKernel::Receiver, true);
    QCOMPARE(path.link().PresentDeviceNodes(), QStringList({ second }));
    QVERIFY(commandReaches(MockKernel::SecondReceiver));
    plug(MockKernel::SecondReceiver, false);
    QCOMPARE(path.link().PresentDeviceNodes(),
             QStringList({ QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver)) }));
    QVERIFY(commandReaches(MockKernel::Receiver));
    QCOMPARE(lost.size(), 0);
    plug(MockKernel::Receiver, false);
    QCOMPARE(lost.size(), 1);
    QVERIFY(!path.link().CommandHandleOpen());
}

void TestRealPath::windowStartShowsTheFirstBattery()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    QVERIFY(LoadBattery() != 60);
    MockKernel kernel;
    VirtualBattery battery;
    battery.low = 0xA2; // reading 930: 60 %
    battery.high = 0x03;
    kernel.setBattery(battery);
    kernel.plug(MockKernel::Receiver);

    // The window program's own start on the real backend: the level comes from the mouse's first
    // battery report through the node.
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    ProgramSession program;
    QScopedPointer<MousecfgWidget> window(program.newWindow());
    QVERIFY(program.session.link().InterfaceOpen(ReceiverCommand));
    TarnProcessbar *bar = window->connectionDisplay()->batteryBar();
    QTRY_COMPARE_WITH_TIMEOUT(bar->paintedText(), QStringLiteral("60%"), 5000);
    QCOMPARE(bar->value(), 60);
    QCOMPARE(window->connectionDisplay()->state().connectionState(), BatteryDisplayState::Receiver);
    QCOMPARE(LoadBattery(), 60);
    const QList<QByteArray> written = kernel.reports(MockKernel::Receiver);
    QVERIFY(!written.isEmpty() && quint8(written.first().at(3)) == CmdBattery);
    QVERIFY2(prompts.boxes.isEmpty(), qPrintable(prompts.texts().join(QLatin1Char('|'))));
}

void TestRealPath::accessRetryOpensOnceReadable()
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (::geteuid() != 0 || setpriv.isEmpty())
        QSKIP("a node's permissions only stop a normal user: needs root and setpriv to run one");
    MockKernel kernel;
    kernel.shareWithOtherUsers();
    kernel.plug(MockKernel::Receiver);
    kernel.setNodeMode(MockKernel::Receiver, 0);

    // The program as a normal user, on the same nodes (followAccess below).
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/mousecfg-nobody-XXXXXX"));
    QVERIFY(::chown(QFile::encodeName(home.path()).constData(), 65534, 65534) == 0);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("default.debug=false"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(setpriv,
                  { "--reuid=65534", "--regid=65534", "--clear-groups",
                    QCoreApplication::applicationFilePath(), "--follow-access" });
    const auto nextLine = [&] {
        QElapsedTimer timer;
        timer.start();
        while (!program.canReadLine() && timer.elapsed() < 10000)
            program.waitForReadyRead(100);
        return QString::fromLocal8Bit(program.readLine()).trimmed();
    };

    // Present but refused, then made readable (a rule applied): opened by the retry, with no notice.
    QCOMPARE(nextLine(), "refused " + QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver)));
    QVERIFY(kernel.reports().isEmpty());
    QElapsedTimer timer;
    timer.start();
    kernel.setNodeMode(MockKernel::Receiver, 0666);
    QCOMPARE(nextLine(), QStringLiteral("ready 0"));
    QVERIFY2(timer.elapsed() < 4000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(kernel.reports(MockKernel::Receiver), QList<QByteArray>({ wireFrame(requestFrame(0x46, 0)) }));
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitCode(), 0);
}

void TestRealPath::doctorNamesTheNodeInUse_data()
{
    QTest::addColumn<QList<int>>("links");
    QTest::addColumn<bool>("withCommand"); // the first receiver's descriptor has the command collection
    // The doctor's line about the mouse; {R}, {S} and {C} stand for the nodes of the receiver, the second
    // receiver and the cable, {P} for the product.
    QTest::addColumn<QString>("expected");
    QTest::newRow("receiver") << QList<int>({ MockKernel::Receiver }) << true
                              << "OK       mouse: {R} present, readable and writable";
    QTest::newRow("receiver without command collection")
        << QList<int>({ MockKernel::Receiver }) << false
        << "PROBLEM  mouse: {R} is ignored: its report descriptor has no command (usage page 1, usage 0) "
           "collection; fix: plug in the receiver that came with {P}, or connect it by its cable";
    QTest::newRow("cable, and a receiver without it")
        << QList<int>({ MockKernel::Receiver, MockKernel::Cable }) << false
        << "OK       mouse: {R}, {C} present, readable and writable; {R} is "
           "ignored: its report descriptor has no command (usage "
           "page 1, usage 0) collection";
    QTest::newRow("two receivers") << QList<int>({ MockKernel::Receiver, MockKernel::SecondReceiver }) << true
                                   << "OK       mouse: {R} present, readable and writable";
    QTest::newRow("two receivers, the first without it")
        << QList<int>({ MockKernel::Receiver, MockKernel::SecondReceiver }) << false
        << "OK       mouse: {S} present, readable and writable";
}

void TestRealPath::doctorNamesTheNodeInUse()
{
    QFETCH(QList<int>, links);
    QFETCH(bool, withCommand);
    QFETCH(QString, expected);
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    if (!withCommand)
        kernel.setDescriptor(MockKernel::Receiver, MockHidDescriptors::withoutCommandCollection());
    for (const int link : links)
        kernel.plug(Link(link));
    expected.replace(QLatin1String("{R}"), QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver)))
        .replace(QLatin1String("{S}"), QString::fromLatin1(kernel.vendorNode(MockKernel::SecondReceiver)))
        .replace(QLatin1String("{C}"), QString::fromLatin1(kernel.vendorNode(MockKernel::Cable)));
    expected.replace(QLatin1String("{P}"), ProductName());

    // mousecfg-cli itself, on the same mock nodes (it inherits the preload and the test bed).
    const CliResult result = runCli(dir, { "doctor" });
    const QStringList lines = result.output.split(QLatin1Char('\n'));
    const QStringList mouse = lines.filter(QRegularExpression(QStringLiteral("^\\S+ +mouse: ")));
    QCOMPARE(mouse, QStringList({ expected }));
}

void TestRealPath::nodeRemovedWhileOpen()
{
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    RealPath path;
    path.open();
    QVERIFY(path.link().CommandHandleOpen());
    QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportOk));

    // Gone before anyone heard of it: the handle stays open, and every use of it fails at once.
    kernel.unplug(MockKernel::Receiver);
    quint8 reply[ReportLength] = {};
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(path.link().ReadCommandHandle(reply, ReportLength, 1000), -1);
    QVERIFY2(timer.elapsed() < 500, "a read on a vanished node waited for its time-out");
    const quint8 query[ReportLength] = { ReportId, 0, ReportMarker, 0x48 };
    QCOMPARE(path.link().WriteCommandHandle(query, ReportLength), -1);
    QCOMPARE(path.send(requestFrame(0x46, 0)), quint8(ReportWriteFailed));
    path.link().CloseDevice();
    QVERIFY(!path.link().CommandHandleOpen());
}

void TestRealPath::unplugDuringUpload()
{
    TestAppDir dir(TestAppDir::Installed);
    const ConfigData config = FullUpload::config();
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    RealPath path;
    DeviceSession session(path.link(), path.session.statusControl(), new UdevHidMonitor);
    QSignalSpy ready(&session, &DeviceSession::deviceReady);
    QSignalSpy lost(&session, &DeviceSession::deviceLost);
    session.openCurrentDevice();
    QVERIFY(path.link().CommandHandleOpen());

    // The receiver goes while the upload writes its blocks: the upload ends with a failure, soon.
    quint8 result = ReportOk;
    QElapsedTimer timer;
    timer.start();
    std::thread upload([&] { result = path.session.upload().WriteProfileToDevice(config, AllGroups); });
    QTRY_VERIFY_WITH_TIMEOUT(kernel.reports().size() >= 10, 3000);
    kernel.unplug(MockKernel::Receiver);
    upload.join();
    QVERIFY2(result == ReportWriteFailed || result == ReportNotConfirmed || result == ReportNoDevice,
             qPrintable(QString::number(result)));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 3000);
    QVERIFY(!path.link().CommandHandleOpen());

    // Back again on a new node: opened, and a whole upload arrives as the virtual mouse gets it.
    kernel.clearReports();
    kernel.plug(MockKernel::Receiver);
    QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 3000);
    QVERIFY(path.link().CommandHandleOpen());
    QCOMPARE(path.session.upload().WriteProfileToDevice(config, AllGroups), quint8(ReportOk));
    FullUpload::check(kernel.reports(), [&](quint8 command) { return kernel.memory(command); });
}

void TestRealPath::cableDuringUpload_data()
{
    QTest::addColumn<bool>("plugCable"); // else the cable is pulled out, the receiver staying
    QTest::newRow("cable plugged during an upload over the receiver") << true;
    QTest::newRow("cable pulled during an upload over it") << false;
}

void TestRealPath::cableDuringUpload()
{
    QFETCH(bool, plugCable);
    TestAppDir dir(TestAppDir::Installed);
    const ConfigData config = FullUpload::config();
    const QList<QByteArray> virtualReports = virtualUpload(config);
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    if (!plugCable)
        kernel.plug(MockKernel::Cable);
    RealPath path(MouseSession::WithStatusThread);
    DeviceSession session(path.link(), path.session.statusControl(), new UdevHidMonitor);
    QSignalSpy lost(&session, &DeviceSession::deviceLost);
    session.openCurrentDevice();
    const Link before = plugCable ? MockKernel::Receiver : MockKernel::Cable;
    const Link after = plugCable ? MockKernel::Cable : MockKernel::Receiver;
    QVERIFY(path.link().InterfaceOpen(before == MockKernel::Cable ? CableCommand : ReceiverCommand));

    // The session reopens the device on what is there while the upload writes its blocks: the report
    // in flight goes again on the new handle, and the upload ends as if nothing had happened.
    std::atomic<int> result { 0xFF }; // read here while the upload runs
    std::thread upload([&] { result = path.session.upload().WriteProfileToDevice(config, AllGroups); });
    QTRY_VERIFY_WITH_TIMEOUT(kernel.reports().size() >= 10, 3000);
    if (plugCable)
        kernel.plug(MockKernel::Cable);
    else
        kernel.unplug(MockKernel::Cable);
    QTRY_VERIFY_WITH_TIMEOUT(path.link().InterfaceOpen(CableCommand) == plugCable, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(result != 0xFF, 10000);
    upload.join();
    QCOMPARE(int(result), int(ReportOk));
    QCOMPARE(lost.size(), 0);
    QVERIFY(kernel.reports(before).size() >= 10);
    QVERIFY(kernel.reports(after).size() >= 10);

    // The status thread stayed out of the upload, and started after it (its battery queries).
    QList<QByteArray> written = kernel.reports();
    const int end = written.lastIndexOf(wireFrame(requestFrame(0x46, 1)));
    for (int i = 0; i < written.size(); ++i)
        QVERIFY2(quint8(written[i][3]) != CmdBattery || i > end, qPrintable(QString::number(i)));
    written.erase(std::remove_if(written.begin(), written.end(),
                                 [](const QByteArray &report) { return quint8(report[3]) == CmdBattery; }),
                  written.end());
    // The report in flight was written again on each reopened handle (a cable's first collection
    // arriving alone reopens as well), never more than three times over.
    for (int extra = 0; extra < 3 && written != virtualReports; ++extra) {
        int i = 0;
        while (i < written.size() && i < virtualReports.size() && written[i] == virtualReports[i])
            ++i;
        if (i == 0 || i >= written.size() || written[i] != written[i - 1])
            break;
        written.removeAt(i);
    }
    QCOMPARE(written, virtualReports);
    FullUpload::check(written, [&](quint8 command) { return kernel.memory(command); });
}

namespace {

// The program's device session alone, run as another user by accessRetryOpensOnceReadable: says
// "refused <nodes>" when the mouse may not be opened, then "ready <result>" with the result of one
// report once the retry opened it.
int followAccess(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestAppDir dir(TestAppDir::Installed);
    MouseSession mouse(nullptr, MouseSession::NoStatusThread);
    DeviceSession session(mouse.link(), mouse.statusControl(), nullptr);
    QObject::connect(&session, &DeviceSession::accessRefused, [&] {
        std::printf("refused %s\n", qPrintable(mouse.link().DeniedDeviceNodes().join(QLatin1Char(' '))));
        std::fflush(stdout);
    });
    QObject::connect(&session, &DeviceSession::deviceReady, [&] {
        const QByteArray frame = requestFrame(0x46, 0);
        const quint8 result
            = mouse.link().SendReport(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
        std::printf("ready %d\n", int(result));
        std::fflush(stdout);
        app.quit();
    });
    session.openCurrentDevice();
    if (mouse.link().CommandHandleOpen()) {
        std::printf("opened at once\n");
        return 1;
    }
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(1); });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // The test bed is the parent's: no check that would make one of its own.
    if (argc == 2 && qstrcmp(argv[1], "--follow-access") == 0)
        return followAccess(argc, argv);
    QApplication app(argc, argv);
    QString why;
    if (!MockKernel::environmentReady(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return 77;
    }
    TestRealPath test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_realpath.moc"
