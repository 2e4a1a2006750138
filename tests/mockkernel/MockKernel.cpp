// umockdev's header first: GLib's D-Bus header has a member named "signals", a Qt keyword.
#include <umockdev.h>

#include "MockKernel.h"

#include "MockHidDescriptors.h"
#include "storage/Product.h"

#include <QPair>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// One hidraw node and the device it stands for.
struct MockKernel::Node
{
    MockKernel *kernel = nullptr;
    Link link = Receiver;
    int interfaceNumber = 0;
    QByteArray descriptor;
    QByteArray devnode; // "/dev/hidrawN"
    QByteArray hidrawPath; // sysfs path of the hidraw device
    QByteArray hidPath; // sysfs path of its hid parent
    QByteArray interfacePath; // sysfs path of its USB interface
    int master = -1; // the PTY master behind the node (owned by the test bed)
    int watch = -1; // the PTY's other end, to see how many bytes wait for the reader
    QByteArray pts; // "/dev/pts/N"
    UMockdevIoctlBase *handler = nullptr;
    // Input reports not yet handed to the reader: one is in the PTY at a time, so that every read
    // returns one report as hidraw does.
    QList<QByteArray> pending;
    bool inPty = false; // a report sits in the PTY
    bool readStarted = false; // the reader has started reading it
    int readsServed = 0;
    bool removed = false;
};

// The umockdev handlers (umockdev's worker thread).
struct MockKernelAccess
{
    static void complete(UMockdevIoctlClient *client, const void *data, gsize size, long result)
    {
        GError *error = nullptr;
        UMockdevIoctlData *argument
            = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
        if (!argument) {
            g_clear_error(&error);
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return;
        }
        std::memcpy(argument->data, data, size);
        umockdev_ioctl_client_complete(client, result, 0);
        g_object_unref(argument);
    }

    static gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
    {
        auto *node = static_cast<MockKernel::Node *>(data);
        const gulong request = umockdev_ioctl_client_get_request(client);
        if (_IOC_TYPE(request) != 'H')
            return FALSE;
        MockKernel &kernel = *node->kernel;
        std::unique_lock<std::mutex> lock(kernel.m_mutex);
        if (node->removed) {
            umockdev_ioctl_client_complete(client, -1, ENODEV);
            return TRUE;
        }
        const gsize size = _IOC_SIZE(request);
        if (request == HIDIOCGRDESCSIZE) {
            const int length = node->descriptor.size();
            complete(client, &length, sizeof length, 0);
        } else if (request == HIDIOCGRDESC) {
            hidraw_report_descriptor descriptor {};
            descriptor.size = quint32(node->descriptor.size());
            std::memcpy(descriptor.value, node->descriptor.constData(), size_t(node->descriptor.size()));
            complete(client, &descriptor, sizeof descriptor, 0);
        } else if (request == HIDIOCGRAWINFO) {
            hidraw_devinfo info {};
            info.bustype = 3;
            info.vendor = qint16(kernel.m_vendorId[node->link]);
            info.product = qint16(kernel.m_productId[node->link]);
            complete(client, &info, sizeof info, 0);
        } else if (_IOC_NR(request) == 0x04 || _IOC_NR(request) == 0x05) { // HIDIOCGRAWNAME, HIDIOCGRAWPHYS
            const QByteArray text = _IOC_NR(request) == 0x04 ? QByteArray("Mock Vendor Mock Mouse")
                                                             : QByteArray("usb-mock/input0");
            const gsize length = qMin(gsize(text.size()) + 1, size);
            complete(client, text.constData(), length, long(length));
        } else {
            umockdev_ioctl_client_complete(client, -1, EINVAL);
        }
        return TRUE;
    }

    static gboolean onWrite(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
    {
        auto *node = static_cast<MockKernel::Node *>(data);
        MockKernel &kernel = *node->kernel;
        UMockdevIoctlData *argument = umockdev_ioctl_client_get_arg(client);
        const QByteArray report(reinterpret_cast<const char *>(argument->data), int(argument->data_len));
        std::unique_lock<std::mutex> lock(kernel.m_mutex);
        if (node->removed) {
            umockdev_ioctl_client_complete(client, -1, ENODEV);
            return TRUE;
        }
        if (node->interfaceNumber == 0) {
            kernel.m_received.append({ node->link, report });
            const QByteArray reply = kernel.m_firmware.receive(report);
            if (!reply.isEmpty())
                kernel.queueInput(*node, reply);
        }
        umockdev_ioctl_client_complete(client, long(report.size()), 0);
        return TRUE;
    }

    static gboolean onRead(UMockdevIoctlBase *, UMockdevIoctlClient *, gpointer data)
    {
        // The read itself happens on the PTY; noting it lets the next report follow once it is done.
        auto *node = static_cast<MockKernel::Node *>(data);
        MockKernel &kernel = *node->kernel;
        std::lock_guard<std::mutex> lock(kernel.m_mutex);
        if (node->inPty && !node->readStarted) {
            node->readStarted = true;
            ++node->readsServed;
            kernel.m_wake.notify_all();
        }
        return FALSE;
    }
};

bool MockKernel::environmentReady(QString *why)
{
    // umockdev_in_mock_environment() looks at the test bed's /sys, and keeps its first answer.
    UMockdevTestbed *testbed = umockdev_testbed_new();
    const bool ready = umockdev_in_mock_environment();
    g_object_unref(testbed);
    if (!ready && why)
        *why = QStringLiteral("umockdev's preload library is not loaded: run under umockdev-wrapper or "
                              "with LD_PRELOAD=libumockdev-preload.so.0 (ctest sets it)");
    return ready;
}

MockKernel::MockKernel()
{
    m_testbed = umockdev_testbed_new();
    char *root = umockdev_testbed_get_root_dir(m_testbed);
    m_root = root;
    g_free(root);
    // The ids the installation's product definition names.
    const Product product = Product::load();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;
    m_vendorId[Receiver] = quint16(vid1);
    m_productId[Receiver] = quint16(pid1);
    m_vendorId[Cable] = quint16(vid2);
    m_productId[Cable] = quint16(pid2);
    m_vendorId[SecondReceiver] = m_vendorId[Receiver];
    m_productId[SecondReceiver] = m_productId[Receiver];
    for (QByteArray &descriptor : m_descriptor)
        descriptor = MockHidDescriptors::vendorInterface();
    m_pump = std::thread([this] { pump(); });
}

MockKernel::~MockKernel()
{
    unplug(Cable);
    unplug(SecondReceiver);
    unplug(Receiver);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_wake.notify_all();
    }
    m_pump.join();
    for (const auto &node : m_nodes) {
        if (node->handler) {
            umockdev_testbed_detach_ioctl(m_testbed, node->devnode.constData(), nullptr);
            g_object_unref(node->handler);
        }
    }
    g_object_unref(m_testbed);
}

void MockKernel::setDescriptor(Link link, const QByteArray &descriptor)
{
    m_descriptor[link] = descriptor;
}

void MockKernel::setReleaseNumber(Link link, quint16 release)
{
    m_release[link] = release;
}

bool MockKernel::isPlugged(Link link) const
{
    return m_plugged[link];
}

void MockKernel::plug(Link link)
{
    if (m_plugged[link])
        return;
    const QByteArray port = "1-" + QByteArray::number(int(link) + 1);
    const QByteArray serial = "MOCK000" + QByteArray::number(int(link) + 1);
    const bool receiver = link != Cable;
    const QByteArray vendor = QByteArray::number(m_vendorId[link], 16).rightJustified(4, '0');
    const QByteArray product = QByteArray::number(m_productId[link], 16).rightJustified(4, '0');
    const QByteArray release = QByteArray::number(m_release[link], 16).rightJustified(4, '0');
    const QByteArray productKey = vendor + '/' + product + '/' + QByteArray::number(m_release[link], 16);
    char *usb = umockdev_testbed_add_device(
        m_testbed, "usb", port.constData(), nullptr, "idVendor", vendor.constData(), "idProduct",
        product.constData(), "bcdDevice", release.constData(), "manufacturer", "Mock Vendor", "product",
        receiver ? "Mock Receiver" : "Mock Mouse", "serial", serial.constData(), nullptr, "DEVTYPE",
        "usb_device", "PRODUCT", productKey.constData(), nullptr);
    m_usbPath[link] = usb;
    g_free(usb);
    addNode(link, 0, m_usbPath[link], m_descriptor[link]);
    if (receiver)
        addNode(link, 1, m_usbPath[link], MockHidDescriptors::bootKeyboard());
    m_plugged[link] = true;
}

MockKernel::Node *MockKernel::addNode(Link link, int interfaceNumber, const QByteArray &usbPath,
                                      const QByteArray &descriptor)
{
    auto owned = std::make_unique<Node>();
    Node *node = owned.get();
    node->kernel = this;
    node->link = link;
    node->interfaceNumber = interfaceNumber;
    node->descriptor = descriptor;

    const QByteArray port = usbPath.mid(usbPath.lastIndexOf('/') + 1);
    const QByteArray interfaceName = port + ":1." + QByteArray::number(interfaceNumber);
    const QByteArray number = QByteArray::number(interfaceNumber, 16).rightJustified(2, '0');
    char *interface = umockdev_testbed_add_device(m_testbed, "usb", interfaceName.constData(),
                                                  usbPath.constData(), "bInterfaceNumber", number.constData(),
                                                  "bInterfaceClass", "03", nullptr, "DEVTYPE",
                                                  "usb_interface", "INTERFACE", "3/0/0", nullptr);
    node->interfacePath = interface;
    g_free(interface);

    const QByteArray ids = QByteArray::number(m_vendorId[link], 16).toUpper().rightJustified(4, '0') + ':'
        + QByteArray::number(m_productId[link], 16).toUpper().rightJustified(4, '0');
    const QByteArray hidName
        = "0003:" + ids + '.' + QByteArray::number(++m_hidCounter, 16).toUpper().rightJustified(4, '0');
    const QByteArray hidId = "0003:0000" + ids.left(4) + ":0000" + ids.mid(5);
    char *hid = umockdev_testbed_add_device(m_testbed, "hid", hidName.constData(),
                                            node->interfacePath.constData(), nullptr, "HID_ID",
                                            hidId.constData(), "HID_NAME", "Mock Vendor Mock Mouse",
                                            "HID_PHYS", "usb-mock/input0", "HID_UNIQ", "MOCK0001", nullptr);
    node->hidPath = hid;
    g_free(hid);
    QByteArray bytes = descriptor;
    umockdev_testbed_set_attribute_binary(m_testbed, node->hidPath.constData(), "report_descriptor",
                                          reinterpret_cast<guint8 *>(bytes.data()), bytes.size());

    // An "N:" line makes the node a PTY; the description also sends the "add" event.
    const int minor = m_hidrawCounter++;
    const QByteArray raw = "hidraw" + QByteArray::number(minor);
    node->devnode = "/dev/" + raw;
    node->hidrawPath = node->hidPath + '/' + raw;
    const QByteArray description = "P: " + node->hidrawPath.mid(4) + "\nN: " + raw
        + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/" + raw + "\nE: MAJOR=243\nE: MINOR="
        + QByteArray::number(minor) + "\nA: dev=243:" + QByteArray::number(minor) + "\n";

    // The handler is in place before the node can be seen.
    node->handler = umockdev_ioctl_base_new();
    g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(MockKernelAccess::onIoctl), node);
    g_signal_connect(node->handler, "handle-write", G_CALLBACK(MockKernelAccess::onWrite), node);
    g_signal_connect(node->handler, "handle-read", G_CALLBACK(MockKernelAccess::onRead), node);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nodes.push_back(std::move(owned));
    }

    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(m_testbed, description.constData(), &error))
        qFatal("mock kernel: %s", error->message);
    // hidapi reads <hidraw>/device/uevent, a link umockdev does not make.
    umockdev_testbed_set_attribute_link(m_testbed, node->hidrawPath.constData(), "device", "..");
    // fstat() on the opened node gives the PTY's device number, which libudev looks up in
    // /sys/dev/char and checks against MAJOR and MINOR.
    struct stat status
    {
    };
    const QByteArray nodeFile = m_root + node->devnode;
    if (::stat(nodeFile.constData(), &status) != 0)
        qFatal("mock kernel: no node %s", nodeFile.constData());
    umockdev_testbed_set_property_int(m_testbed, node->hidrawPath.constData(), "MAJOR",
                                      int(major(status.st_rdev)));
    umockdev_testbed_set_property_int(m_testbed, node->hidrawPath.constData(), "MINOR",
                                      int(minor(status.st_rdev)));
    const QByteArray charLink = m_root + "/sys/dev/char/" + QByteArray::number(major(status.st_rdev)) + ':'
        + QByteArray::number(minor(status.st_rdev));
    ::unlink(charLink.constData());
    if (::symlink(("../.." + node->hidrawPath.mid(4)).constData(), charLink.constData()) != 0)
        qFatal("mock kernel: cannot link %s", charLink.constData());

    if (!umockdev_testbed_attach_ioctl(m_testbed, node->devnode.constData(), node->handler, &error))
        qFatal("mock kernel: %s", error->message);
    node->master = umockdev_testbed_get_dev_fd(m_testbed, node->devnode.constData());
    char slave[128] = {};
    if (node->master < 0 || ptsname_r(node->master, slave, sizeof slave) != 0)
        qFatal("mock kernel: %s is not a PTY", node->devnode.constData());
    node->pts = slave;
    node->watch = ::open(slave, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_shared)
        shareNode(*node);
    return node;
}

void MockKernel::shareNode(const Node &node)
{
    // The client asks the node's handler through this socket, and opens the PTY behind the node.
    ::chmod((m_root + "/ioctl" + node.devnode).constData(), 0777);
    ::chmod(node.pts.constData(), 0666);
}

void MockKernel::shareWithOtherUsers()
{
    m_shared = true;
    ::chmod(m_root.constData(), 0755);
    ::chmod((m_root + "/ioctl/_default").constData(), 0777);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &node : m_nodes) {
        if (!node->removed)
            shareNode(*node);
    }
}

void MockKernel::setNodeMode(Link link, unsigned mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &node : m_nodes) {
        if (node->link == link && !node->removed)
            ::chmod(node->pts.constData(), mode_t(mode));
    }
}

void MockKernel::unplug(Link link)
{
    if (!m_plugged[link])
        return;
    m_plugged[link] = false;
    std::vector<Node *> nodes;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &node : m_nodes) {
            if (node->link == link && !node->removed)
                nodes.push_back(node.get());
        }
    }
    for (Node *node : nodes)
        removeNode(*node);
    umockdev_testbed_uevent(m_testbed, m_usbPath[link].constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, m_usbPath[link].constData());
}

void MockKernel::removeNode(Node &node)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        node.removed = true;
        node.pending.clear();
        node.inPty = false;
        if (node.watch >= 0)
            ::close(node.watch);
        node.watch = -1;
        // Closing the master hangs the PTY up: an open handle's poll() reports POLLHUP, as an open
        // hidraw node reports POLLHUP|POLLERR once its device is gone. The descriptor number stays
        // valid (on /dev/null) for the test bed, which closes it at the end.
        const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, node.master);
            ::close(null);
        }
    }
    umockdev_testbed_uevent(m_testbed, node.hidrawPath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, node.hidrawPath.constData());
    // The test bed keeps the freed PTY's number mapped to the old node, and would refuse the next
    // node that gets the same PTY.
    ::unlink((m_root + "/dev/.ptymap/" + QByteArray(node.pts).replace('/', '_')).constData());
    umockdev_testbed_uevent(m_testbed, node.hidPath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, node.hidPath.constData());
    umockdev_testbed_uevent(m_testbed, node.interfacePath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, node.interfacePath.constData());
}

QByteArray MockKernel::vendorNode(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &node : m_nodes) {
        if (node->link == link && node->interfaceNumber == 0 && !node->removed)
            return node->devnode;
    }
    return QByteArray();
}

QByteArray MockKernel::keyboardNode(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &node : m_nodes) {
        if (node->link == link && node->interfaceNumber == 1 && !node->removed)
            return node->devnode;
    }
    return QByteArray();
}

QList<QByteArray> MockKernel::reports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> all;
    for (const auto &received : m_received)
        all.append(received.second);
    return all;
}

QList<QByteArray> MockKernel::reports(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> ofLink;
    for (const auto &received : m_received) {
        if (received.first == link)
            ofLink.append(received.second);
    }
    return ofLink;
}

void MockKernel::clearReports()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
}

int MockKernel::readsServed(Link link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int reads = 0;
    for (const auto &node : m_nodes) {
        if (node->link == link && node->interfaceNumber == 0)
            reads += node->readsServed;
    }
    return reads;
}

QByteArray MockKernel::memory(quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.memory(command);
}

QByteArray MockKernel::slotMemory(quint8 slot, quint8 command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.slotMemory(slot, command);
}

quint8 MockKernel::onBoardSlot() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmware.onBoardSlot();
}

void MockKernel::setBattery(const VirtualBattery &battery)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.battery = battery;
}

void MockKernel::setAsleep(bool asleep)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmware.asleep = asleep;
}

void MockKernel::sendStatusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode)
{
    injectReport(m_plugged[Cable] ? Cable : Receiver,
                 VirtualFirmware::statusReport(profile, dpiStage, rate, mode));
}

void MockKernel::injectReport(Link link, const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &node : m_nodes) {
        if (node->link == link && node->interfaceNumber == 0 && !node->removed)
            queueInput(*node, report);
    }
}

void MockKernel::queueInput(Node &node, const QByteArray &report)
{
    node.pending.append(report);
    m_wake.notify_all();
}

void MockKernel::pump()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        bool readInProgress = false;
        for (const auto &owned : m_nodes) {
            Node &node = *owned;
            if (node.removed)
                continue;
            if (node.inPty && node.readStarted) {
                int waiting = 0;
                // Straight to the kernel: the preload library would take this descriptor for the node.
                if (::syscall(SYS_ioctl, node.watch, FIONREAD, &waiting) != 0 || waiting == 0)
                    node.inPty = false;
                else
                    readInProgress = true;
            }
            if (!node.inPty && !node.pending.isEmpty()) {
                const QByteArray report = node.pending.takeFirst();
                if (::write(node.master, report.constData(), size_t(report.size())) == report.size()) {
                    node.inPty = true;
                    node.readStarted = false;
                }
            }
        }
        // Between the reader's start and the end of its read() there is no event to wait for.
        if (readInProgress)
            m_wake.wait_for(lock, std::chrono::milliseconds(1));
        else
            m_wake.wait(lock);
    }
}
