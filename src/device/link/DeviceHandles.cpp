#include "device/link/DeviceTable.h"
#include "device/link/HidBackend.h"
#include "device/link/ReportTrace.h"
#include "platform/HidrawNode.h"

#include <QSet>

#include <mutex>
#include <shared_mutex>

#include <cerrno>
#include <cstring>

void DeviceLink::closeHandle(HidDevice *&handle)
{
    if (handle)
        CurrentHidBackend()->close(handle);
    handle = nullptr;
}

void DeviceLink::openHandle(int which, const char *path)
{
    // A handle still open here would leak and stay in use by nobody; close it first.
    closeHandle(d->handles[which]);
    errno = 0;
    d->handles[which] = CurrentHidBackend()->openPath(path);
    if (!d->handles[which] && errno == EACCES)
        d->deniedNodes.insert(QString::fromLocal8Bit(HidrawPath::devnodeOf(QByteArray(path))));
}

DeviceTable::PinnedHandle DeviceLink::pinCommandHandle() const
{
    std::shared_lock<std::shared_mutex> lock(d->handleLock);
    HidDevice *device = d->handles[CableCommand] ? d->handles[CableCommand] : d->handles[ReceiverCommand];
    return { device, d->generation };
}

int DeviceLink::writePinned(const DeviceTable::PinnedHandle &handle, const quint8 *data, int length)
{
    std::shared_lock<std::shared_mutex> lock(d->handleLock);
    if (!handle.device || handle.generation != d->generation)
        return -1;
    const int result = CurrentHidBackend()->write(handle.device, data, length);
    if (result >= 0)
        d->trace.traceReport('W', data, length);
    return result;
}

int DeviceLink::readPinned(const DeviceTable::PinnedHandle &handle, quint8 *data, int length, int timeoutMs)
{
    std::shared_lock<std::shared_mutex> lock(d->handleLock);
    if (!handle.device || handle.generation != d->generation)
        return -1;
    const int result = CurrentHidBackend()->readTimeout(handle.device, data, length, timeoutMs);
    if (result > 0)
        d->trace.traceReport('R', data, length);
    return result;
}

void DeviceLink::OpenDevice(const char *name)
{
    using namespace DeviceTable;
    if (CurrentHidBackend()->init() != 0)
        return;
    std::unique_lock<std::shared_mutex> lock(d->handleLock);
    d->deniedNodes.clear();
    for (quint32 i = 0; i < entryCount(); ++i) {
        const Entry &entry = d->table.entries[i];
        if (std::strncmp(entry.name, name, NameSize) != 0)
            continue;
        if (entry.present[ReceiverMouse] && entry.present[ReceiverCommand]) {
            openHandle(ReceiverMouse, entry.path[ReceiverMouse]);
            openHandle(ReceiverCommand, entry.path[ReceiverCommand]);
        }
        if (entry.present[CableMouse] && entry.present[CableCommand]) {
            openHandle(CableMouse, entry.path[CableMouse]);
            openHandle(CableCommand, entry.path[CableCommand]);
        }
    }
}

void DeviceLink::CloseDevice()
{
    std::unique_lock<std::shared_mutex> lock(d->handleLock);
    for (HidDevice *&handle : d->handles)
        closeHandle(handle);
    d->deniedNodes.clear();
    ++d->generation;
}

void DeviceLink::ExitHid()
{
    CurrentHidBackend()->exit();
}

quint16 DeviceLink::GetReleaseNumber(const char *path)
{
    return CurrentHidBackend()->releaseNumber(path);
}

bool DeviceLink::InterfaceOpen(DeviceInterface which) const
{
    std::shared_lock<std::shared_mutex> lock(d->handleLock);
    return d->handles[which] != nullptr;
}

QStringList DeviceLink::DeniedDeviceNodes() const
{
    std::shared_lock<std::shared_mutex> lock(d->handleLock);
    QStringList nodes = d->deniedNodes.values();
    nodes.sort();
    return nodes;
}

QStringList DeviceLink::PresentDeviceNodes() const
{
    using namespace DeviceTable;
    QSet<QString> nodes;
    if (entryCount() > 0) {
        const Entry &entry = d->table.entries[0];
        for (int which = 0; which < 4; ++which) {
            if (entry.present[which])
                nodes.insert(QString::fromLocal8Bit(HidrawPath::devnodeOf(QByteArray(entry.path[which]))));
        }
    }
    QStringList sorted = nodes.values();
    sorted.sort();
    return sorted;
}

QString DeviceLink::InterfaceNode(DeviceInterface which) const
{
    if (!InterfacePresent(which))
        return QString();
    return QString::fromLocal8Bit(HidrawPath::devnodeOf(QByteArray(d->table.entries[0].path[which])));
}

bool DeviceLink::CommandHandleOpen() const
{
    return pinCommandHandle().device != nullptr;
}

int DeviceLink::WriteCommandHandle(const quint8 *data, int length)
{
    return writePinned(pinCommandHandle(), data, length);
}

int DeviceLink::ReadCommandHandle(quint8 *data, int length, int timeoutMs)
{
    return readPinned(pinCommandHandle(), data, length, timeoutMs);
}
