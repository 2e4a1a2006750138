#include "cli/CliDevice.h"

#include "storage/AppSettings.h"
#include "virtualmouse/HidBackendSelection.h"
#include "virtualmouse/VirtualMouse.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {
// Long enough for a mouse that answers late; other reports read meanwhile are skipped.
constexpr int BatteryWaitMs = 1000;
constexpr int ReadSliceMs = 50;
} // namespace

CliDevice::CliDevice()
    : m_virtualMouse(installVirtualMouseFromEnvironment())
{
    BuildDeviceTable();
    EnumerateDevices();
    OpenDevice(CurrentProduct().toLatin1().constData());
}

CliDevice::~CliDevice()
{
    CloseDevice();
    ExitHid();
}

bool CliDevice::connected() const
{
    return CommandHandleOpen();
}

bool CliDevice::queryBattery(quint8 (&reply)[ReportLength]) const
{
    const quint8 query[ReportLength] = { ReportId, 0x24, ReportMarker, 0x48 };
    if (WriteCommandHandle(query, ReportLength) < 0)
        return false;
    QThread::msleep(10);
    const QDeadlineTimer deadline(BatteryWaitMs);
    while (!deadline.hasExpired()) {
        const int result = ReadCommandHandle(reply, ReportLength, ReadSliceMs);
        if (result < 0)
            return false;
        if (result > 0 && reply[3] == 0x48)
            return true;
    }
    return false;
}
