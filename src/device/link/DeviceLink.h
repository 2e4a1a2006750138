#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <memory>

class HidDevice;

// The device link: the table of supported devices, the four HID handles of the current device and
// the verified report transport. Discovery, opening, closing and notices run in the GUI thread; the
// command-handle I/O below may be used from worker threads at the same time.

// Result of every device operation; callers pass the first non-zero code up unchanged.
enum ReportResult : quint8 {
    ReportOk = 0,
    ReportNoDevice = 1,
    ReportNotConfirmed = 2,
    ReportWriteFailed = 4,
    DeviceAsleep = 5
};

// Size of every report frame, both directions.
constexpr int ReportLength = 33;
// Byte 0 of every frame.
constexpr quint8 ReportId = 0x05;
// Byte 2 of every frame.
constexpr quint8 ReportMarker = 0xFA;

// The four interfaces of a device entry: the mouse and command collections of the receiver and cable.
enum DeviceInterface { ReceiverMouse = 0, ReceiverCommand = 1, CableMouse = 2, CableCommand = 3 };

// What HandleDeviceChange did to the table; the owner of the handles reacts to it.
struct DeviceChange
{
    bool matched = false; // the name named a mouse or command collection of a table entry
    bool completed = false; // an arrival left a group with both its collections present
    bool gone = false; // a removal left an entry with no interface at all
    bool reconnect = false; // the current product must be closed, and reopened after 500 ms
};

// Kind of a device interface name, as the four notice patterns classify it.
enum InterfaceNameKind { NoInterface, MouseInterface, CommandInterface };

// Frame checksum: (bytes 2 to 7 summed) modulo 256, XOR 0x66.
quint8 ReportChecksum(const quint8 *frame);

// Classifies a notice's interface name and reads its vendor and product ids (0 when unmatched).
InterfaceNameKind ClassifyInterfaceName(const QString &name, int &vendorId, int &productId);

class HidBackend;
struct HidDeviceRecord;
namespace DeviceTable {
struct Entry;
struct Table;
struct PinnedHandle;
} // namespace DeviceTable

// The link to one program's mouse: the table of supported devices, the four HID handles of the
// current device, the HID backend they belong to and the verified report transport. Discovery,
// opening, closing and notices run in the GUI thread; the command-handle I/O may be used from worker
// threads at the same time. The program's session owns the one instance.
struct Product;

class DeviceLink
{
public:
    // Looks for `product` (which must outlive the link) through `backend` (null: the system hidapi);
    // the caller keeps ownership of both.
    explicit DeviceLink(const Product &product, HidBackend *backend = nullptr);
    // Closes the handles.
    ~DeviceLink();
    DeviceLink(const DeviceLink &) = delete;
    DeviceLink &operator=(const DeviceLink &) = delete;

    // Makes `backend` the one the link uses (null: the system hidapi). Closes the handles of the
    // previous backend first. The caller keeps ownership and must uninstall it before deleting it.
    void UseHidBackend(HidBackend *backend);
    // The backend in use.
    HidBackend *CurrentHidBackend() const;

    // Fills the table's one entry from the product definition and "Mouse_List/0".
    void BuildDeviceTable();
    // Records every present interface of the table's entries; -1 when the HID library cannot start.
    int EnumerateDevices();
    // Opens the present interfaces of the entry named `name` (Latin-1).
    void OpenDevice(const char *name);
    // Closes the four handles (receiver mouse, receiver command, cable mouse, cable command).
    void CloseDevice();
    // Ends the HID library.
    void ExitHid();
    // USB release number of the device at `path`.
    quint16 GetReleaseNumber(const char *path);
    // Applies a device notice; `name` is the interface name without its first four characters.
    DeviceChange HandleDeviceChange(const QString &name, int arrived);

    // Number of entries whose receiver or cable has both its mouse and command collections present.
    int ConnectedDeviceCount() const;
    // The name of the table's entry as read by BuildDeviceTable.
    QString DeviceTableName() const;
    // Presence flag of one interface of the table's first entry.
    bool InterfacePresent(DeviceInterface which) const;
    // Presence flag of the cable command interface.
    bool CableCommandPresent() const;
    // Presence flag of the receiver command interface.
    bool ReceiverCommandPresent() const;
    // Release number of the cable command collection found by the last enumeration (0 if none).
    quint16 CableFirmwareRelease() const;
    // True while the handle of `which` is open.
    bool InterfaceOpen(DeviceInterface which) const;
    // The hidraw nodes of the current product that the last OpenDevice found present but was not
    // allowed to open (EACCES), sorted; empty when none, and after CloseDevice.
    QStringList DeniedDeviceNodes() const;
    // The hidraw nodes of the table's first entry that the last enumeration found present, sorted.
    QStringList PresentDeviceNodes() const;
    // The node of one present interface of the table's first entry; empty when absent.
    QString InterfaceNode(DeviceInterface which) const;

    // Frames, writes and confirms one report on the command handle (cable, else receiver).
    quint8 SendReport(const quint8 *frame, int length);
    // How many reports since the link was made got no answer at all through the whole reply budget;
    // they count as sent. An operation compares the count before and after to tell the user.
    quint32 UnconfirmedReports() const;
    // Raw write on the command handle in use; -1 when none is open. Safe against a concurrent CloseDevice.
    int WriteCommandHandle(const quint8 *data, int length);
    // Raw read on the command handle in use; -1 when none is open. Safe against a concurrent CloseDevice.
    int ReadCommandHandle(quint8 *data, int length, int timeoutMs);
    // True while the cable or the receiver command handle is open.
    bool CommandHandleOpen() const;

    // The table itself and the number of its entries in use (the link's own rules and their tests).
    DeviceTable::Table &table();
    quint32 entryCount() const;

private:
    struct State;
    DeviceTable::PinnedHandle pinCommandHandle() const;
    // True once the handle pinned has been closed.
    bool handleClosed(const DeviceTable::PinnedHandle &handle) const;
    // Waits a moment for another command handle after `handle` failed; true with `handle` pinned to it.
    bool awaitNewHandle(DeviceTable::PinnedHandle &handle) const;
    int writePinned(const DeviceTable::PinnedHandle &handle, const quint8 *data, int length);
    int readPinned(const DeviceTable::PinnedHandle &handle, quint8 *data, int length, int timeoutMs);
    void closeHandle(HidDevice *&handle);
    void openHandle(int which, const char *path);
    // Records the receiver's or cable's collections from `records`, leaving out `goneNode`; true when
    // both were found.
    bool recordGroup(DeviceTable::Entry &entry, int group, const QVector<HidDeviceRecord> &records,
                     const QByteArray &goneNode);
    // After the node in use of a complete group went: records another complete node of the group if
    // one is there (true); else leaves the group as it was.
    bool takeOverGroup(DeviceTable::Entry &entry, int group, const QByteArray &goneNode);

    std::unique_ptr<State> d;
};
