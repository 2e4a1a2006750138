#pragma once

#include "virtualmouse/VirtualFirmware.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct _UMockdevTestbed;

// The firmware model behind real mock device nodes (umockdev): the receiver and the cable each appear
// as a USB device with its interfaces, hid devices carrying real report descriptors and /dev/hidrawN
// nodes. The program's own hidapi, libudev and sysfs code finds and opens them. Reports written to a
// node go to the firmware; its replies and the reports the mouse sends by itself come back through
// the node, one report per read as the kernel gives them. Plugging and unplugging send udev events.
// Needs the process to run with umockdev's preload library (environmentReady()).
class MockKernel
{
public:
    // A second receiver of the same product can be plugged beside the first, on a later USB port.
    enum Link { Receiver = 0, Cable = 1, SecondReceiver = 2 };
    static constexpr int LinkCount = 3;

    // True when umockdev's preload library is active in this process; else `why` says what is missing.
    static bool environmentReady(QString *why);

    // An empty test bed; the USB ids are the product definition's.
    MockKernel();
    // Unplugs what is plugged and removes the test bed.
    ~MockKernel();
    MockKernel(const MockKernel &) = delete;
    MockKernel &operator=(const MockKernel &) = delete;

    // The descriptor of a link's interface 0 from its next plug on (MockHidDescriptors).
    void setDescriptor(Link link, const QByteArray &descriptor);
    // The USB release number a link presents from its next plug on.
    void setReleaseNumber(Link link, quint16 release);
    // Plugs a link in: its devices appear with "add" events.
    void plug(Link link);
    // Pulls a link out: "remove" events, the nodes go, and handles still open on them fail
    // (poll reports a hang-up, writes ENODEV), as on a real disconnect.
    void unplug(Link link);
    bool isPlugged(Link link) const;
    // The node of a link's interface 0 ("/dev/hidrawN"); empty while unplugged.
    QByteArray vendorNode(Link link) const;
    // The node of a receiver's boot keyboard interface; empty while unplugged.
    QByteArray keyboardNode(Link link = Receiver) const;
    // Lets other users reach the test bed (its folder and the nodes' request sockets), for a client
    // run as another user; the nodes' own permissions still decide who may open them.
    void shareWithOtherUsers();
    // Sets the permissions of a link's nodes, as a udev rule applied to them would.
    void setNodeMode(Link link, unsigned mode);

    // Every report written to a vendor interface node, in order.
    QList<QByteArray> reports() const;
    QList<QByteArray> reports(Link link) const;
    void clearReports();
    // Number of reads served on a link's vendor node so far.
    int readsServed(Link link) const;
    // The firmware's memory (VirtualFirmware).
    QByteArray memory(quint8 command) const;
    QByteArray slotMemory(quint8 slot, quint8 command) const;
    quint8 onBoardSlot() const;
    void setBattery(const VirtualBattery &battery);
    void setAsleep(bool asleep);

    // A status report 0x49 from the mouse, on the cable if plugged, else the receiver.
    void sendStatusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode);
    // Any input report on a link's vendor node (a mouse movement, an unexpected report).
    void injectReport(Link link, const QByteArray &report);

    struct Node;

private:
    friend struct MockKernelAccess;
    Node *addNode(Link link, int interfaceNumber, const QByteArray &usbPath, const QByteArray &descriptor);
    void removeNode(Node &node);
    void shareNode(const Node &node);
    void queueInput(Node &node, const QByteArray &report);
    void pump();

    _UMockdevTestbed *m_testbed = nullptr;
    QByteArray m_root;
    quint16 m_vendorId[LinkCount] = {};
    quint16 m_productId[LinkCount] = {};
    quint16 m_release[LinkCount] = { 0x0102, 0x0105, 0x0102 };
    QByteArray m_descriptor[LinkCount];
    bool m_plugged[LinkCount] = {};
    bool m_shared = false;
    QByteArray m_usbPath[LinkCount];
    int m_hidCounter = 0;
    int m_hidrawCounter = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::unique_ptr<Node>> m_nodes; // removed nodes stay until the end
    VirtualFirmware m_firmware;
    QList<QPair<Link, QByteArray>> m_received;
    bool m_stop = false;
    std::thread m_pump;
};
