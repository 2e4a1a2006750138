#include "platform/PointerSpeed.h"

#include <QDebug>
#include <QGuiApplication>

#include <cmath>

// X11 headers last: they define macros (None, Bool, Status) that clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

constexpr int SlowestSpeed = 1;
constexpr int FastestSpeed = 20;
constexpr int DefaultSpeed = 10;
constexpr char LibinputAccelProperty[] = "libinput Accel Speed";

// Written and read on the user-interface thread only.
int g_rememberedSpeed = DefaultSpeed;

bool x11Session()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    // An X server beside a Wayland compositor does not steer the desktop's pointer.
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qgetenv("XDG_SESSION_TYPE") != QByteArrayLiteral("wayland");
}

// One connection per call: pointer changes are rare, and nothing is left open between them.
class DisplayConnection
{
public:
    DisplayConnection()
        : m_display(x11Session() ? XOpenDisplay(nullptr) : nullptr)
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

double LibinputAccelFromSpeed(int speed)
{
    const int s = qBound(SlowestSpeed, speed, FastestSpeed);
    return -1.0 + 2.0 * (s - SlowestSpeed) / (FastestSpeed - SlowestSpeed);
}

int SpeedFromLibinputAccel(double accel)
{
    const double a = qBound(-1.0, accel, 1.0);
    return qBound(SlowestSpeed,
                  int(std::lround(SlowestSpeed + (a + 1.0) * (FastestSpeed - SlowestSpeed) / 2.0)),
                  FastestSpeed);
}

void CoreAccelFromSpeed(int speed, int *numerator, int *denominator)
{
    *numerator = qBound(SlowestSpeed, speed, FastestSpeed);
    *denominator = DefaultSpeed;
}

int SpeedFromCoreAccel(int numerator, int denominator)
{
    if (denominator <= 0 || numerator <= 0)
        return DefaultSpeed;
    return qBound(SlowestSpeed, int(std::lround(double(numerator) * DefaultSpeed / denominator)),
                  FastestSpeed);
}

int GetSystemMouseSpeed()
{
    const DisplayConnection connection;
    Display *display = connection.get();
    if (!display)
        return g_rememberedSpeed;
    if (const Atom property = libinputAtom(display)) {
        for (int device : libinputPointers(display, property)) {
            double accel = 0;
            if (readAccel(display, device, property, &accel))
                return SpeedFromLibinputAccel(accel);
        }
    }
    int numerator = 0, denominator = 0, threshold = 0;
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    return SpeedFromCoreAccel(numerator, denominator);
}

bool ApplySlotMouseSpeed(int speed)
{
    if (speed < SlowestSpeed || speed > FastestSpeed)
        return false;
    g_rememberedSpeed = speed;
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
