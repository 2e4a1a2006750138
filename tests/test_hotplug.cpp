#include "VirtualMouseLink.h"
#include "device/link/DeviceSession.h"
#include "platform/HidrawNode.h"

#include <QSignalSpy>
#include <QtTest>

// Hot plug: the session's device-side rules driven by the virtual mouse's notices, and the Linux
// naming of hidraw collections that feeds the same rules.
class TestHotplug : public QObject
{
    Q_OBJECT
private slots:
    void followsReceiverToCableAndBack();
    void lastRemovalAndFirstArrival();
    void reportDescriptorCollections();
    void hidrawNamesFeedTheSameRules();

private:
    // Records each stop and start of the status thread with whether a command handle was open then.
    QStringList m_statusCalls;
};

namespace {

struct Session
{
    Session()
        : mouse(new VirtualMouse(true, false))
        , mouseSession(mouse)
    {
        session.reset(new DeviceSession(mouseSession.link(), mouseSession.statusControl(), mouse));
        session->openCurrentDevice();
    }
    // The session's device link.
    DeviceLink &link() { return mouseSession.link(); }
    // SendReport on a frame built by requestFrame.
    quint8 send(const QByteArray &frame)
    {
        return link().SendReport(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    }
    TestAppDir dir { TestAppDir::Installed };
    VirtualMouse *mouse; // owned by the device session
    MouseSession mouseSession;
    QScopedPointer<DeviceSession> session;
};

} // namespace

void TestHotplug::followsReceiverToCableAndBack()
{
    m_statusCalls.clear();
    Session s;
    s.mouseSession.statusControl().SetStatusThreadControl(
        [this, &s] { m_statusCalls << (s.link().CommandHandleOpen() ? "stop open" : "stop closed"); },
        [this, &s] { m_statusCalls << (s.link().CommandHandleOpen() ? "start open" : "start closed"); });
    QCOMPARE(s.session->connectedCount(), 1);
    QVERIFY(s.link().InterfaceOpen(ReceiverCommand));
    QSignalSpy changed(s.session.data(), &DeviceSession::devicesChanged);
    SaveDiff(0);

    // The cable's mouse collection triggers the reconnect (500 ms pause); its command collection
    // completes the group and the device is reopened with both ways.
    QElapsedTimer timer;
    timer.start();
    s.mouse->plug(VirtualMouse::Cable);
    QVERIFY(timer.elapsed() >= 500);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(m_statusCalls, QStringList({ "stop open", "start open", "stop open", "start open" }));
    for (const DeviceInterface which : { ReceiverMouse, ReceiverCommand, CableMouse, CableCommand })
        QVERIFY(s.link().InterfaceOpen(which));
    QCOMPARE(LoadDiff(), 1);
    QCOMPARE(s.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(s.mouse->reports(VirtualMouse::Cable).size(), 1);

    // Pulling the cable: one reconnect, after which only the receiver is open and used.
    m_statusCalls.clear();
    s.mouse->unplug(VirtualMouse::Cable);
    QCOMPARE(m_statusCalls, QStringList({ "stop open", "start open" }));
    QVERIFY(s.link().InterfaceOpen(ReceiverCommand) && !s.link().InterfaceOpen(CableMouse)
            && !s.link().InterfaceOpen(CableCommand));
    QCOMPARE(s.mouse->openHandles(VirtualMouse::Cable), 0);
    QCOMPARE(s.session->connectedCount(), 1);
    QCOMPARE(s.send(requestFrame(0x46, 1)), quint8(ReportOk));
    QCOMPARE(s.mouse->reports(VirtualMouse::Receiver),
             QList<QByteArray>() << wireFrame(requestFrame(0x46, 1)));
    s.mouseSession.statusControl().SetStatusThreadControl(nullptr, nullptr);
}

void TestHotplug::lastRemovalAndFirstArrival()
{
    Session s;
    QSignalSpy lost(s.session.data(), &DeviceSession::deviceLost);
    QSignalSpy ready(s.session.data(), &DeviceSession::deviceReady);

    s.mouse->unplug(VirtualMouse::Receiver);
    QCOMPARE(lost.size(), 1);
    QCOMPARE(s.session->connectedCount(), 0);
    QVERIFY(!s.link().CommandHandleOpen());
    QCOMPARE(s.mouse->openHandles(VirtualMouse::Receiver), 0);
    QCOMPARE(s.send(requestFrame(0x46, 0)), quint8(ReportNoDevice));

    // The device is opened 200 ms after both collections have arrived, not at once.
    s.mouse->plug(VirtualMouse::Receiver);
    QCOMPARE(s.session->connectedCount(), 1);
    QVERIFY(!s.link().CommandHandleOpen());
    QVERIFY(ready.wait(1000));
    QVERIFY(s.link().InterfaceOpen(ReceiverMouse) && s.link().InterfaceOpen(ReceiverCommand));
    QCOMPARE(s.send(requestFrame(0x46, 0)), quint8(ReportOk));
}

void TestHotplug::reportDescriptorCollections()
{
    const QByteArray descriptor
        = QByteArray::fromHex("05010902a1018501"
                              "0901a1008102c0c0" // mouse, report 1, a nested physical collection
                              "050c0901a10185038100c0" // consumer control, report 3
                              "0600ffa4"
                              "0501a10185059102"
                              "85068102c0" // pushed page, a collection without usage, reports 5 and 6
                              "b4"
                              "0b01000a00a101c0" // page restored; a four-byte usage with its own page
                              "fe0200aabb"
                              "0905a101c0" // a long item is skipped
                              "09"); // truncated: the walk ends
    const QVector<HidCollectionInfo> collections = topLevelCollections(descriptor);
    QCOMPARE(collections.size(), 5);
    const QVector<QVector<int>> expected
        = { { 1, 2, 1 }, { 0x0C, 1, 3 }, { 1, 0, 5, 6 }, { 0x0A, 1 }, { 0xFF00, 5 } };
    for (int i = 0; i < collections.size(); ++i) {
        QVector<int> actual = { collections.at(i).usagePage, collections.at(i).usage };
        for (const quint8 id : collections.at(i).reportIds)
            actual << id;
        QCOMPARE(actual, expected.at(i));
    }
    QVERIFY(topLevelCollections(QByteArray::fromHex("a1")).isEmpty());
    QVERIFY(hidrawReportDescriptor("/dev/hidraw-none").isEmpty());
}

void TestHotplug::hidrawNamesFeedTheSameRules()
{
    QCOMPARE(HidrawPath::collectionPath("/dev/hidraw3", 4), QByteArray("/dev/hidraw3&col04"));
    QCOMPARE(HidrawPath::devnodeOf("/dev/hidraw3&col04"), QByteArray("/dev/hidraw3"));
    QCOMPARE(HidrawPath::devnodeOf("/dev/hidraw3"), QByteArray("/dev/hidraw3"));
    QCOMPARE(HidrawPath::collectionIndexOf("/dev/hidraw3"), 0);

    HidrawNode node;
    node.devnode = "/dev/hidraw7";
    node.vendorId = 0x248A;
    node.productId = 0xFA02;
    node.interfaceNumber = 0;
    node.collections.resize(4);
    const QStringList names = HidrawPath::interfaceNames(node);
    QCOMPARE(names.first(), QStringLiteral("\\\\?\\HID#VID_248A&PID_FA02&MI_00&col01#/dev/hidraw7&col01"));
    // What the device rules store ("\\?\" + name) opens the node and names its collection.
    QCOMPARE(HidrawPath::devnodeOf(names.at(3).toLatin1()), QByteArray("/dev/hidraw7"));
    QCOMPARE(HidrawPath::collectionIndexOf(names.at(3).toLatin1()), 4);

    const InterfaceNameKind kinds[] = { MouseInterface, NoInterface, NoInterface, CommandInterface };
    for (int i = 0; i < 4; ++i) {
        int vid = 0, pid = 0;
        QCOMPARE(ClassifyInterfaceName(names.at(i).mid(4), vid, pid), kinds[i]);
        if (kinds[i] != NoInterface)
            QVERIFY(vid == 0x248A && pid == 0xFA02);
    }
    node.interfaceNumber = 1; // a second USB interface is not ours, as on Windows
    int vid = 0, pid = 0;
    QCOMPARE(ClassifyInterfaceName(HidrawPath::interfaceNames(node).first().mid(4), vid, pid), NoInterface);
    node.interfaceNumber = -1;
    QCOMPARE(ClassifyInterfaceName(HidrawPath::interfaceNames(node).last().mid(4), vid, pid),
             CommandInterface);
}

QTEST_GUILESS_MAIN(TestHotplug)
#include "test_hotplug.moc"
