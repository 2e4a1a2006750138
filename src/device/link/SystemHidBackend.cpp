#include "device/link/SystemHidBackend.h"

#include "platform/HidReportDescriptor.h"
#include "platform/HidrawNode.h"

#include <QDeadlineTimer>
#include <QHash>

#include <hidapi/hidapi.h>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

constexpr int MaxReportSize = 4096;

class SystemHidDevice : public HidDevice
{
public:
    SystemHidDevice(hid_device *handle, QVector<quint8> reportIds)
        : handle(handle)
        , reportIds(std::move(reportIds))
    { }
    hid_device *const handle;
    // Input reports of other collections of the same node are dropped; empty keeps every report.
    const QVector<quint8> reportIds;
};

HidDeviceRecord recordOf(const hid_device_info *info, const QByteArray &path)
{
    HidDeviceRecord record;
    record.path = path;
    record.vendorId = info->vendor_id;
    record.productId = info->product_id;
    record.releaseNumber = info->release_number;
    record.usagePage = info->usage_page;
    record.usage = info->usage;
    return record;
}

// The records hid_enumerate gives for one node: the first stands for the node, the others are its
// further usages.
struct NodeRecords
{
    const hid_device_info *first = nullptr;
    QVector<const hid_device_info *> all;
};

} // namespace

int SystemHidBackend::init()
{
    return hid_init();
}

int SystemHidBackend::exit()
{
    return hid_exit();
}

QVector<HidDeviceRecord> SystemHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    hid_device_info *list = hid_enumerate(vendorId, productId);
    QVector<QByteArray> order;
    QHash<QByteArray, NodeRecords> nodes;
    for (const hid_device_info *info = list; info; info = info->next) {
        NodeRecords &node = nodes[QByteArray(info->path)];
        if (!node.first) {
            node.first = info;
            order.append(QByteArray(info->path));
        }
        node.all.append(info);
    }

    QVector<HidDeviceRecord> records;
    for (const QByteArray &devnode : order) {
        const NodeRecords &node = nodes.value(devnode);
        // The collections are numbered from the descriptor, as the hot-plug monitor numbers them.
        const QVector<HidCollectionInfo> collections = topLevelCollections(hidrawReportDescriptor(devnode));
        if (!collections.isEmpty()) {
            for (int i = 0; i < collections.size(); ++i) {
                HidDeviceRecord record = recordOf(node.first, HidrawPath::collectionPath(devnode, i + 1));
                record.usagePage = collections.at(i).usagePage;
                record.usage = collections.at(i).usage;
                records.append(record);
            }
        } else {
            for (int i = 0; i < node.all.size(); ++i)
                records.append(recordOf(node.all.at(i), HidrawPath::collectionPath(devnode, i + 1)));
        }
    }
    hid_free_enumeration(list);
    return records;
}

HidDevice *SystemHidBackend::openPath(const char *path)
{
    const QByteArray devnode = HidrawPath::devnodeOf(path);
    hid_device *handle = hid_open_path(devnode.constData());
    if (!handle) {
        // hidapi need not keep open()'s errno; the node's own access check tells a permission problem.
        const int error = ::access(devnode.constData(), R_OK | W_OK) != 0 ? errno : 0;
        errno = error;
        return nullptr;
    }
    const QVector<HidCollectionInfo> collections = topLevelCollections(hidrawReportDescriptor(devnode));
    const int index = HidrawPath::collectionIndexOf(path);
    QVector<quint8> reportIds;
    if (index >= 1 && index <= collections.size())
        reportIds = collections.at(index - 1).reportIds;
    return new SystemHidDevice(handle, reportIds);
}

void SystemHidBackend::close(HidDevice *device)
{
    auto *system = static_cast<SystemHidDevice *>(device);
    hid_close(system->handle);
    delete system;
}

int SystemHidBackend::write(HidDevice *device, const quint8 *data, int length)
{
    return hid_write(static_cast<SystemHidDevice *>(device)->handle, data, size_t(qMax(0, length)));
}

int SystemHidBackend::readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds)
{
    const auto *system = static_cast<SystemHidDevice *>(device);
    length = qBound(0, length, MaxReportSize);
    quint8 report[MaxReportSize];
    const QDeadlineTimer deadline
        = milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    for (;;) {
        const int remaining = deadline.isForever() ? -1 : int(deadline.remainingTime());
        const int result = hid_read_timeout(system->handle, report, size_t(length), remaining);
        if (result < 0)
            return result;
        // A dropped report never reaches the caller's buffer: on a time-out it must hold what it held.
        if (result > 0 && (system->reportIds.isEmpty() || system->reportIds.contains(report[0]))) {
            std::memcpy(data, report, size_t(result));
            return result;
        }
        if (result == 0 || deadline.hasExpired())
            return 0;
    }
}

quint16 SystemHidBackend::releaseNumber(const char *path)
{
    const QByteArray devnode = HidrawPath::devnodeOf(path);
    hid_device_info *list = hid_enumerate(0, 0);
    quint16 release = 0;
    for (const hid_device_info *info = list; info; info = info->next) {
        if (devnode == info->path) {
            release = info->release_number;
            break;
        }
    }
    hid_free_enumeration(list);
    return release;
}
