#pragma once

#include "platform/DeviceNoticeSource.h"
#include "platform/HidrawNode.h"

#include <QHash>

#include <functional>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

// Follows hidraw nodes appearing and disappearing (libudev, read in the GUI thread) and reports each
// of a node's collections as an interface notice. Removals carry little information, so every node
// seen (present at start or added since) is remembered until it goes.
class UdevHidMonitor : public DeviceNoticeSource
{
    Q_OBJECT
public:
    explicit UdevHidMonitor(QObject *parent = nullptr);
    ~UdevHidMonitor() override;

    // False when udev could not be reached; the program then runs without hot-plug notices.
    bool isActive() const { return m_monitor != nullptr; }
    // Vendor, product, release, interface and collections of a hidraw udev device.
    static HidrawNode classify(udev_device *device);
    // Calls `visit` with every hidraw device of `context` that has a node in /dev.
    static void forEachHidrawNode(udev *context, const std::function<void(udev_device *device)> &visit);

private:
    void readEvent();
    void rememberPresentNodes();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QHash<QByteArray, HidrawNode> m_nodes; // by devnode
};
