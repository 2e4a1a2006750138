#include "platform/X11PointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <QVector>

// X11 headers last: they define macros (None, Bool, Status) that clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

constexpr char LibinputAccelProperty[] = "libinput Accel Speed";

class DisplayConnection
{
public:
    DisplayConnection()
        : m_display(XOpenDisplay(nullptr))
    { }
    ~DisplayConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Display *get() const { return m_display; }

private:
    Display *m_display;
};

bool hasXInput2(Display *display)
{
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return false;
    int major = 2, minor = 0;
    return XIQueryVersion(display, &major, &minor) == Success;
}

// The libinput acceleration of a device, or false when it has none.
bool readAccel(Display *display, int device, Atom property, double *accel)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    const Atom floatAtom = XInternAtom(display, "FLOAT", False);
    const int status = XIGetProperty(display, device, property, 0, 1, False, floatAtom, &type, &format,
                                     &items, &after, &data);
    const bool ok = status == Success && type == floatAtom && format == 32 && items >= 1 && data;
    if (ok)
        *accel = double(*reinterpret_cast<float *>(data));
    if (data)
        XFree(data);
    return ok;
}

// The pointer devices that libinput drives (their ids).
QVector<int> libinputPointers(Display *display, Atom property)
{
    QVector<int> devices;
    int count = 0;
    XIDeviceInfo *info = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (info[i].use != XISlavePointer)
            continue;
        double accel = 0;
        if (readAccel(display, info[i].deviceid, property, &accel))
            devices << info[i].deviceid;
    }
    XIFreeDeviceInfo(info);
    return devices;
}

// Atom of the libinput property, or 0 when no device on this server has ever had it.
Atom libinputAtom(Display *display)
{
    return hasXInput2(display) ? XInternAtom(display, LibinputAccelProperty, True) : 0;
}

} // namespace

bool X11PointerSpeed::read(int *speed)
{
    const DisplayConnection connection;
    Display *display = connection.get();
    if (!display)
        return false;
    if (const Atom property = libinputAtom(display)) {
        for (int device : libinputPointers(display, property)) {
            double accel = 0;
            if (readAccel(display, device, property, &accel)) {
                *speed = SpeedFromLibinputAccel(accel);
                return true;
            }
        }
    }
    int numerator = 0, denominator = 0, threshold = 0;
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    *speed = SpeedFromCoreAccel(numerator, denominator);
    return true;
}

bool X11PointerSpeed::apply(int speed)
{
    const DisplayConnection connection;
    Display *display = connection.get();
    if (!display)
        return false;
    const Atom property = libinputAtom(display);
    const QVector<int> devices = property ? libinputPointers(display, property) : QVector<int>();
    if (!devices.isEmpty()) {
        const float accel = float(LibinputAccelFromSpeed(speed));
        const Atom floatAtom = XInternAtom(display, "FLOAT", False);
        for (int device : devices) {
            XIChangeProperty(display, device, property, floatAtom, 32, PropModeReplace,
                             reinterpret_cast<unsigned char *>(const_cast<float *>(&accel)), 1);
        }
    } else {
        int numerator = 0, denominator = 0;
        CoreAccelFromSpeed(speed, &numerator, &denominator);
        XChangePointerControl(display, True, False, numerator, denominator, 0);
    }
    XSync(display, False);
    return true;
}
