#include "FuzzDevice.h"

#include "FuzzSupport.h"

#include "device/session/MouseSession.h"
#include "storage/AppSettings.h"
#include "virtualmouse/VirtualMouse.h"

#include <QThread>

// The transport's fixed pauses would make every input cost a third of a second; in the fuzz targets
// these replace Qt's own, so that only the logic runs.
void QThread::msleep(unsigned long) { }
void QThread::usleep(unsigned long) { }
void QThread::sleep(unsigned long) { }

namespace {

struct FuzzDevice
{
    FuzzDevice()
        : mouse((fuzzAppDir(), new VirtualMouse(true, false)))
        , session(mouse)
    {
        session.link().BuildDeviceTable();
        session.link().EnumerateDevices();
        session.link().OpenDevice(CurrentProduct().toLatin1().constData());
    }
    VirtualMouse *mouse; // kept for the process's run, as the session
    MouseSession session;
};

FuzzDevice &fuzzDevice()
{
    static FuzzDevice *device = new FuzzDevice;
    return *device;
}

} // namespace

VirtualMouse &fuzzMouse()
{
    return *fuzzDevice().mouse;
}

MouseSession &fuzzSession()
{
    return fuzzDevice().session;
}
