#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// One top-level collection of a HID device, as hid_enumerate lists it.
struct HidDeviceRecord
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
};

// An open device handle; only the backend that opened it may use or close it.
class HidDevice
{
public:
    virtual ~HidDevice() = default;
};

// The few hidapi calls the device link makes. Implementations must be thread-safe: the command
// handle is written and read from worker threads while the GUI thread opens and closes handles.
class HidBackend
{
public:
    virtual ~HidBackend() = default;
    // hid_init: 0 on success.
    virtual int init() = 0;
    // hid_exit: 0 on success.
    virtual int exit() = 0;
    // hid_enumerate: every collection, or those of one vendor/product (0 matches any).
    virtual QVector<HidDeviceRecord> enumerate(quint16 vendorId, quint16 productId) = 0;
    // hid_open_path: null when the device cannot be opened, with errno EACCES when the user may not.
    virtual HidDevice *openPath(const char *path) = 0;
    // hid_close: frees the handle.
    virtual void close(HidDevice *device) = 0;
    // hid_write: bytes written, or -1.
    virtual int write(HidDevice *device, const quint8 *data, int length) = 0;
    // hid_read_timeout: bytes read, 0 on time-out, or -1.
    virtual int readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds) = 0;
    // The USB release number of the device at `path` (0 when unknown).
    virtual quint16 releaseNumber(const char *path) = 0;
};
