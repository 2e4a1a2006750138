#pragma once

#include "device/link/HidBackend.h"

// The system hidapi (hidraw backend). Collections are presented as the platform's hidraw path
// convention describes (platform/HidrawNode.h): one record per top-level collection with a
// "&colNN" marker, and a handle opened on a collection returns only that collection's reports.
class SystemHidBackend : public HidBackend
{
public:
    int init() override;
    int exit() override;
    QVector<HidDeviceRecord> enumerate(quint16 vendorId, quint16 productId) override;
    HidDevice *openPath(const char *path) override;
    void close(HidDevice *device) override;
    int write(HidDevice *device, const quint8 *data, int length) override;
    int readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds) override;
    // The release number of the enumeration record of the same node.
    quint16 releaseNumber(const char *path) override;
};
