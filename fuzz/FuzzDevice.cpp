#include "FuzzDevice.h"

#include "FuzzSupport.h"

#include "device/link/DeviceLink.h"
#include "storage/AppSettings.h"
#include "virtualmouse/VirtualMouse.h"

#include <QThread>

// The transport's fixed pauses would make every input cost a third of a second; in the fuzz targets
// these replace Qt's own, so that only the logic runs.
void QThread::msleep(unsigned long) { }
void QThread::usleep(unsigned long) { }
void QThread::sleep(unsigned long) { }

VirtualMouse &fuzzMouse()
{
    static VirtualMouse *mouse = [] {
        fuzzAppDir();
        auto *made = new VirtualMouse(true, false);
        UseHidBackend(made);
        BuildDeviceTable();
        EnumerateDevices();
        OpenDevice(CurrentProduct().toLatin1().constData());
        return made;
    }();
    return *mouse;
}
