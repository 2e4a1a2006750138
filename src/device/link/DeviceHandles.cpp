#include "device/link/DeviceTable.h"
#include "device/link/HidBackend.h"
#include "device/link/ReportTrace.h"
#include "platform/HidrawNode.h"

#include <QSet>

#include <mutex>
#include <shared_mutex>

#include <cerrno>
#include <cstring>

// The four handles (standard locks, which ThreadSanitizer can follow). Worker threads do their I/O under the
// read lock; opening and closing take the write lock, so a handle is never closed while another thread is
// inside a read or write on it.
namespace {

std::shared_mutex handleLock;
HidDevice *handles[4] = {};
// Bumped by every close, so that an exchange pinned to a closed handle fails instead of using it.
quint64 generation = 1;
// Nodes the last open was refused for lack of permission.
QSet<QString> deniedNodes;

void closeHandle(HidDevice *&handle)
{
    if (handle)
        CurrentHidBackend()->close(handle);
    handle = nullptr;
}

void openHandle(int which, const char *path)
{
    // A handle still open here would leak and stay in use by nobody; close it first.
    closeHandle(handles[which]);
    errno = 0;
    handles[which] = CurrentHidBackend()->openPath(path);
    if (!handles[which] && errno == EACCES)
        deniedNodes.insert(QString::fromLocal8Bit(HidrawPath::devnodeOf(QByteArray(path))));
}

} // namespace

namespace DeviceTable {

PinnedHandle pinCommandHandle()
{
    std::shared_lock<std::shared_mutex> lock(handleLock);
    HidDevice *device = handles[CableCommand] ? handles[CableCommand] : handles[ReceiverCommand];
    return { device, generation };
}

int writePinned(const PinnedHandle &handle, const quint8 *data, int length)
{
    std::shared_lock<std::shared_mutex> lock(handleLock);
    if (!handle.device || handle.generation != generation)
        return -1;
    const int result = CurrentHidBackend()->write(handle.device, data, length);
    if (result >= 0)
        traceReport('W', data, length);
    return result;
}

int readPinned(const PinnedHandle &handle, quint8 *data, int length, int timeoutMs)
{
    std::shared_lock<std::shared_mutex> lock(handleLock);
    if (!handle.device || handle.generation != generation)
        return -1;
    const int result = CurrentHidBackend()->readTimeout(handle.device, data, length, timeoutMs);
    if (result > 0)
        traceReport('R', data, length);
    return result;
}

} // namespace DeviceTable

void OpenDevice(const char *name)
{
    using namespace DeviceTable;
    if (CurrentHidBackend()->init() != 0)
        return;
    std::unique_lock<std::shared_mutex> lock(handleLock);
    deniedNodes.clear();
    for (quint32 i = 0; i < entryCount(); ++i) {
        const Entry &entry = table().entries[i];
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

void CloseDevice()
{
    std::unique_lock<std::shared_mutex> lock(handleLock);
    for (HidDevice *&handle : handles)
        closeHandle(handle);
    deniedNodes.clear();
    ++generation;
}

void ExitHid()
{
    CurrentHidBackend()->exit();
}

quint16 GetReleaseNumber(const char *path)
{
    return CurrentHidBackend()->releaseNumber(path);
}

bool InterfaceOpen(DeviceInterface which)
{
    std::shared_lock<std::shared_mutex> lock(handleLock);
    return handles[which] != nullptr;
}

QStringList DeniedDeviceNodes()
{
    std::shared_lock<std::shared_mutex> lock(handleLock);
    QStringList nodes = deniedNodes.values();
    nodes.sort();
    return nodes;
}

QStringList PresentDeviceNodes()
{
    using namespace DeviceTable;
    QSet<QString> nodes;
    if (entryCount() > 0) {
        const Entry &entry = table().entries[0];
        for (int which = 0; which < 4; ++which) {
            if (entry.present[which])
                nodes.insert(QString::fromLocal8Bit(HidrawPath::devnodeOf(QByteArray(entry.path[which]))));
        }
    }
    QStringList sorted = nodes.values();
    sorted.sort();
    return sorted;
}

bool CommandHandleOpen()
{
    return DeviceTable::pinCommandHandle().device != nullptr;
}

int WriteCommandHandle(const quint8 *data, int length)
{
    return DeviceTable::writePinned(DeviceTable::pinCommandHandle(), data, length);
}

int ReadCommandHandle(quint8 *data, int length, int timeoutMs)
{
    return DeviceTable::readPinned(DeviceTable::pinCommandHandle(), data, length, timeoutMs);
}
