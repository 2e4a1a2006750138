#pragma once

#include "device/link/DeviceLink.h"
#include "device/link/ReportTrace.h"
#include "device/link/SystemHidBackend.h"

#include <QByteArray>

#include <QSet>
#include <QString>

#include <atomic>
#include <shared_mutex>

class HidDevice;

// Internals of the device link shared by its source files.
namespace DeviceTable {

// One product per program: its receiver and cable are the two groups of the one entry.
constexpr quint32 Capacity = 1;
constexpr int PathSize = 255;
constexpr int NameSize = 256;

// A group is the receiver (0) or the cable (1); its interfaces are group * 2 + kind.
enum Group { Receiver = 0, Cable = 1 };
enum Kind { Mouse = 0, Command = 1 };

// One supported device. Arrays indexed by group hold receiver then cable; arrays indexed by
// DeviceInterface hold receiver mouse, receiver command, cable mouse, cable command.
struct Entry
{
    quint32 vendorId[2];
    quint32 productId[2];
    quint32 minRelease[2];
    quint32 maxRelease[2]; // 0: any release
    quint32 usage[4];
    quint32 usagePage[4];
    char path[4][PathSize];
    std::atomic<quint32> present[4]; // read by the worker threads without a lock
    char name[NameSize];
};

// The count and the entries; only the first `count` entries are in use.
struct Table
{
    quint32 count;
    Entry entries[Capacity];
};

// True when `release` lies within the group's bounds (a maximum of 0 accepts any).
bool releaseAccepted(const Entry &entry, int group, quint32 release);
// Copies `path` into a slot; false (slot untouched) when it does not fit with its terminating zero.
bool storePath(char (&slot)[PathSize], const QByteArray &path);
// The interface index of a group and kind.
inline int interfaceOf(int group, int kind)
{
    return group * 2 + kind;
}

// A command handle pinned for one exchange: its I/O fails once the handle has been closed.
struct PinnedHandle
{
    HidDevice *device = nullptr;
    quint64 generation = 0;
};
} // namespace DeviceTable

// What one DeviceLink keeps: its table, handles and backend.
struct DeviceLink::State
{
    explicit State(const Product &p)
        : product(p)
    { }
    const Product &product;
    SystemHidBackend system;
    HidBackend *backend = nullptr; // null: the system hidapi
    DeviceTable::Table table {};
    QString tableName;
    std::atomic<quint16> cableRelease { 0 };
    // Reports settled as sent after silence alone (SendReport).
    std::atomic<quint32> unconfirmed { 0 };
    // The four handles (standard locks, which ThreadSanitizer can follow). Worker threads do their I/O
    // under the read lock; opening and closing take the write lock, so a handle is never closed while
    // another thread is inside a read or write on it.
    mutable std::shared_mutex handleLock;
    HidDevice *handles[4] = {};
    // Bumped by every close, so that an exchange pinned to a closed handle fails instead of using it.
    quint64 generation = 1;
    // Nodes the last open was refused for lack of permission.
    QSet<QString> deniedNodes;
    ReportTrace trace;
};
