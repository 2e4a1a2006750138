#include "cli/CliDevice.h"

#include "device/session/MouseSession.h"
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
    : m_virtualMouse(virtualMouseFromEnvironment())
    , m_session(std::make_unique<MouseSession>(m_virtualMouse.get()))
{
    DeviceLink &link = m_session->link();
    link.BuildDeviceTable();
    link.EnumerateDevices();
    link.OpenDevice(CurrentProduct().toLatin1().constData());
}

CliDevice::~CliDevice()
{
    m_session->link().CloseDevice();
    m_session->link().ExitHid();
    // The session goes before the mouse it talks through.
    m_session.reset();
}

bool CliDevice::connected() const
{
    return m_session->link().CommandHandleOpen();
}

bool CliDevice::queryBattery(quint8 (&reply)[ReportLength]) const
{
    const quint8 query[ReportLength] = { ReportId, 0x24, ReportMarker, 0x48 };
    if (m_session->link().WriteCommandHandle(query, ReportLength) < 0)
        return false;
    QThread::msleep(10);
    const QDeadlineTimer deadline(BatteryWaitMs);
    while (!deadline.hasExpired()) {
        const int result = m_session->link().ReadCommandHandle(reply, ReportLength, ReadSliceMs);
        if (result < 0)
            return false;
        if (result > 0 && reply[3] == 0x48)
            return true;
    }
    return false;
}
