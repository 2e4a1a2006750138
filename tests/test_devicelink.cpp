#include "VirtualMouseLink.h"
#include "device/link/DeviceTable.h"

#include <QThread>
#include <QtTest>

namespace {

// A backend that lists given records; handles carry no traffic.
class ListedDevices : public HidBackend
{
public:
    int init() override { return initResult; }
    int exit() override { return 0; }
    QVector<HidDeviceRecord> enumerate(quint16, quint16) override { return records; }
    HidDevice *openPath(const char *path) override
    {
        opened.append(QByteArray(path));
        return new HidDevice;
    }
    void close(HidDevice *device) override { delete device; }
    int write(HidDevice *, const quint8 *, int) override { return -1; }
    int readTimeout(HidDevice *, quint8 *, int, int) override { return -1; }
    quint16 releaseNumber(const char *path) override
    {
        for (const HidDeviceRecord &record : records) {
            if (record.path == path)
                return record.releaseNumber;
        }
        return 0;
    }

    int initResult = 0;
    QVector<HidDeviceRecord> records;
    QList<QByteArray> opened;
};

HidDeviceRecord record(const QByteArray &path, quint16 pid, quint16 usage, quint16 release = 0x100)
{
    HidDeviceRecord r;
    r.path = path;
    r.vendorId = 0x248A;
    r.productId = pid;
    r.usagePage = 1;
    r.usage = usage;
    r.releaseNumber = release;
    return r;
}

constexpr quint16 ReceiverPid = 0xFA02;
constexpr quint16 CablePid = 0xFB01;

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT
private slots:
    void discoveryThroughReceiverCableOrBoth();
    void enumerationRules();
    void failedInitOpensNothing();
    void interfaceNamePatterns();
    void deviceChangeRules();
    void closingWhileAnotherThreadIsInsideAnExchange();
};

void TestDeviceLink::discoveryThroughReceiverCableOrBoth()
{
    {
        VirtualMouseLink link(true, false);
        QCOMPARE(link.device().DeviceTableName(), QStringLiteral("SKYLARK"));
        QCOMPARE(link.device().ConnectedDeviceCount(), 1);
        QVERIFY(link.device().InterfacePresent(ReceiverMouse) && link.device().ReceiverCommandPresent()
                && !link.device().CableCommandPresent());
        QVERIFY(link.device().InterfaceOpen(ReceiverMouse) && link.device().InterfaceOpen(ReceiverCommand)
                && !link.device().InterfaceOpen(CableCommand));
        QCOMPARE(link.mouse.openHandles(VirtualMouse::Receiver), 2);
        QCOMPARE(link.device().CableFirmwareRelease(), quint16(0));
        // Reopening over open handles replaces them rather than leaking them.
        link.device().OpenDevice("SKYLARK");
        QCOMPARE(link.mouse.openHandles(VirtualMouse::Receiver), 2);
    }
    {
        VirtualMouseLink link(false, true);
        QVERIFY(!link.device().ReceiverCommandPresent() && link.device().CableCommandPresent()
                && link.device().InterfacePresent(CableMouse));
        QCOMPARE(link.device().CableFirmwareRelease(), quint16(0x0105));
        QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportOk));
        QCOMPARE(link.mouse.reports(VirtualMouse::Cable).size(), 1);
    }
    {
        VirtualMouseLink link(true, true);
        QCOMPARE(link.device().ConnectedDeviceCount(), 1);
        for (const DeviceInterface which : { ReceiverMouse, ReceiverCommand, CableMouse, CableCommand })
            QVERIFY(link.device().InterfaceOpen(which));
        QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportOk));
        QCOMPARE(link.mouse.reports(VirtualMouse::Cable).size(), 1);
        QVERIFY(link.mouse.reports(VirtualMouse::Receiver).isEmpty());
        // Another product's name opens nothing.
        link.device().CloseDevice();
        link.device().OpenDevice("SKYLARK2");
        QVERIFY(!link.device().CommandHandleOpen());
    }
}

void TestDeviceLink::enumerationRules()
{
    TestAppDir dir(TestAppDir::Installed);
    ListedDevices devices;
    const Product product = Product::load();
    DeviceLink device(product, &devices);
    const QByteArray longTail(300, 'x');
    devices.records = {
        record("receiver&mi_00&col01", ReceiverPid, 2),
        record("receiver&mi_00&col02", ReceiverPid,
               0), // a command usage without "col04" is not the command collection
        record("receiver&MI_00&COL04", ReceiverPid, 0),
        record("cable&col01#" + longTail, CablePid, 2), // too long for its slot: absent
        record("cable&col03", CablePid, 0, 0x0211), // the cable needs no "col04"
    };
    device.BuildDeviceTable();
    QCOMPARE(device.EnumerateDevices(), 0);
    const DeviceTable::Entry &entry = device.table().entries[0];
    QCOMPARE(QByteArray(entry.path[ReceiverCommand]), QByteArray("receiver&MI_00&COL04"));
    QVERIFY(device.InterfacePresent(ReceiverMouse) && device.ReceiverCommandPresent());
    QVERIFY(!device.InterfacePresent(CableMouse) && device.CableCommandPresent());
    QCOMPARE(device.CableFirmwareRelease(), quint16(0x0211));
    QCOMPARE(device.ConnectedDeviceCount(), 1);

    device.OpenDevice("SKYLARK");
    QCOMPARE(devices.opened,
             QList<QByteArray>() << "receiver&mi_00&col01"
                                 << "receiver&MI_00&COL04");

    // A path of 254 characters still fits; release bounds are applied when set.
    device.CloseDevice();
    devices.records = { record("cable&col01#" + QByteArray(254 - 12, 'y'), CablePid, 2),
                        record("receiver&col01", ReceiverPid, 2, 0x0102) };
    device.BuildDeviceTable();
    device.table().entries[0].minRelease[DeviceTable::Receiver] = 0x0100;
    device.table().entries[0].maxRelease[DeviceTable::Receiver] = 0x0101;
    device.EnumerateDevices();
    QVERIFY(device.InterfacePresent(CableMouse));
    QVERIFY(!device.InterfacePresent(ReceiverMouse));
    QCOMPARE(device.CableFirmwareRelease(), quint16(0));
}

void TestDeviceLink::failedInitOpensNothing()
{
    TestAppDir dir(TestAppDir::Installed);
    ListedDevices devices;
    const Product product = Product::load();
    DeviceLink device(product, &devices);
    device.BuildDeviceTable();
    devices.records = { record("r&col01", ReceiverPid, 2), record("r&col04", ReceiverPid, 0) };
    QCOMPARE(device.EnumerateDevices(), 0);
    devices.initResult = -1;
    device.OpenDevice("SKYLARK");
    QVERIFY(devices.opened.isEmpty());
    device.BuildDeviceTable();
    QCOMPARE(device.EnumerateDevices(), -1);
    QCOMPARE(device.ConnectedDeviceCount(), 0);
}

void TestDeviceLink::interfaceNamePatterns()
{
    int vid = -1, pid = -1;
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FA02&MI_00&Col04#7&1&0&0003#{guid}", vid, pid),
             CommandInterface);
    QCOMPARE(vid, 0x248A);
    QCOMPARE(pid, 0xFA02);
    QCOMPARE(ClassifyInterfaceName("hid#vid_248a&pid_fa02&mi_00&col04#x", vid, pid), CommandInterface);
    QCOMPARE(ClassifyInterfaceName("hid#vid_248a&pid_fa02&mi_00&col01#x", vid, pid), MouseInterface);
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FB01&Col01#x", vid, pid), MouseInterface);
    QCOMPARE(pid, 0xFB01);
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FB01&COL04", vid, pid), CommandInterface);
    // No collection 1 or 4 right after the ids (or after MI_00): not an interface of ours.
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FA02&MI_00&col02#x", vid, pid), NoInterface);
    QCOMPARE(vid, 0);
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FA02&MI_01&col04#x", vid, pid), NoInterface);
    QCOMPARE(ClassifyInterfaceName("HID#VID_248A&PID_FA02#x&col04", vid, pid), NoInterface);
}

void TestDeviceLink::deviceChangeRules()
{
    VirtualMouseLink link(false, false);
    const QString receiverMouse = link.mouse.interfaceName(VirtualMouse::Receiver, 1).mid(4);
    const QString receiverCommand = link.mouse.interfaceName(VirtualMouse::Receiver, 4).mid(4);
    SaveDiff(0);

    DeviceChange change = link.device().HandleDeviceChange(receiverMouse, 1);
    QVERIFY(change.matched && !change.completed && change.reconnect);
    QCOMPARE(LoadDiff(), 1);
    QCOMPARE(QByteArray(link.device().table().entries[0].path[ReceiverMouse]),
             "\\\\?\\" + receiverMouse.toLatin1());
    change = link.device().HandleDeviceChange(receiverCommand, 1);
    QVERIFY(change.completed && !change.reconnect);
    QCOMPARE(link.device().ConnectedDeviceCount(), 1);

    // An interface already present is not newly present.
    SaveDiff(0);
    link.device().HandleDeviceChange(receiverCommand, 1);
    QCOMPARE(LoadDiff(), 0);

    // Unknown ids, unmatched names and too long paths change nothing.
    QVERIFY(!link.device().HandleDeviceChange("HID#VID_1234&PID_5678&col01#x", 1).matched);
    QVERIFY(!link.device().HandleDeviceChange("HID#VID_248A&PID_FB01&col02#x", 1).matched);
    QVERIFY(!link.device().HandleDeviceChange("HID#VID_248A&PID_FB01&col01#" + QString(260, 'z'), 1).matched);
    QVERIFY(!link.device().InterfacePresent(CableMouse));

    // Removal: the reconnect rule while the group keeps one interface, gone when none is left.
    change = link.device().HandleDeviceChange(receiverCommand, 0);
    QVERIFY(change.matched && change.reconnect && !change.gone);
    QVERIFY(!link.device().HandleDeviceChange(receiverCommand, 0).matched); // already absent
    change = link.device().HandleDeviceChange(receiverMouse, 0);
    QVERIFY(change.gone && !change.reconnect);
    QCOMPARE(link.device().entryCount(), quint32(1));
    QCOMPARE(link.device().DeviceTableName(), QStringLiteral("SKYLARK"));

    // The reconnect rule is for the current product only.
    SaveCurrentProduct("OTHER");
    link.device().HandleDeviceChange(receiverMouse, 1);
    QVERIFY(!link.device().HandleDeviceChange(receiverCommand, 1).reconnect);
    QVERIFY(!link.device().HandleDeviceChange(receiverCommand, 0).reconnect);
}

void TestDeviceLink::closingWhileAnotherThreadIsInsideAnExchange()
{
    VirtualMouseLink link(true, false);
    link.mouse.setSilence(VirtualMouse::Unlimited);
    quint8 result = 0xFF;
    const QByteArray frame = requestFrame(0x01, 0, 0, QByteArray(3, '\1'), 0xD1);
    QScopedPointer<QThread> exchange(QThread::create([&] { result = link.send(frame); }));
    exchange->start();
    QTest::qWait(100);
    link.device().CloseDevice(); // waits for the read in progress, never frees a handle under it
    QCOMPARE(link.mouse.openHandles(VirtualMouse::Receiver), 0);
    QVERIFY(exchange->wait(5000));
    // The closed handle makes the exchange fail instead of reaching the freed handle.
    QCOMPARE(result, quint8(ReportWriteFailed));
    QVERIFY(link.mouse.reports().size() < 6);
}

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_devicelink.moc"
