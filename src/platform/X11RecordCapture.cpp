#include "platform/X11RecordCapture.h"

#include "platform/KeyScanCodes.h"
#include "platform/LogCategories.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

namespace {

// How long a grab is retried while another client (a closing menu) still holds the keyboard.
constexpr int GrabAttempts = 25;
constexpr int GrabRetryMs = 20;

void recordCallback(XPointer closure, XRecordInterceptData *data)
{
    if (data->category == XRecordFromServer && data->data && data->data_len > 0) {
        const auto *event = reinterpret_cast<const xEvent *>(data->data);
        const int type = event->u.u.type & 0x7F;
        if (type == KeyPress || type == KeyRelease)
            reinterpret_cast<X11RecordCapture *>(closure)->handleXKey(event->u.u.detail, type == KeyPress,
                                                                      event->u.keyButtonPointer.time);
    }
    XRecordFreeData(data);
}

} // namespace

X11RecordCapture::X11RecordCapture(QObject *parent)
    : KeyboardCapture(parent)
{ }

X11RecordCapture::~X11RecordCapture()
{
    stop();
}

bool X11RecordCapture::available()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int major = 0, minor = 0;
    const bool present = XRecordQueryVersion(display, &major, &minor);
    XCloseDisplay(display);
    return present;
}

bool X11RecordCapture::start(bool grab)
{
    stop();
    m_control = XOpenDisplay(nullptr);
    m_data = XOpenDisplay(nullptr);
    int major = 0, minor = 0;
    if (!m_control || !m_data || !XRecordQueryVersion(m_control, &major, &minor)) {
        stop();
        return false;
    }
    XRecordRange *range = XRecordAllocRange();
    if (!range) {
        stop();
        return false;
    }
    range->device_events.first = KeyPress;
    range->device_events.last = KeyRelease;
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(m_control, False);
    if (!m_context || !XRecordEnableContextAsync(m_data, m_context, recordCallback, XPointer(this))) {
        stop();
        return false;
    }
    XFlush(m_data);
    m_held.clear();
    m_recordNotifier = new QSocketNotifier(ConnectionNumber(m_data), QSocketNotifier::Read, this);
    connect(m_recordNotifier, &QSocketNotifier::activated, this, &X11RecordCapture::readRecorded);
    if (grab && !grabKeyboard())
        qCDebug(lcPlatform, "Keyboard grab refused; keys still reach other programs.");
    return true;
}

bool X11RecordCapture::grabKeyboard()
{
    for (int attempt = 0; attempt < GrabAttempts; ++attempt) {
        if (XGrabKeyboard(m_control, DefaultRootWindow(m_control), False, GrabModeAsync, GrabModeAsync,
                          CurrentTime)
            == GrabSuccess) {
            m_grabbed = true;
            XFlush(m_control);
            // Events of the grab arrive on the control connection; nobody wants them.
            m_grabNotifier = new QSocketNotifier(ConnectionNumber(m_control), QSocketNotifier::Read, this);
            connect(m_grabNotifier, &QSocketNotifier::activated, this,
                    &X11RecordCapture::discardGrabbedEvents);
            return true;
        }
        QThread::msleep(GrabRetryMs);
    }
    return false;
}

void X11RecordCapture::stop()
{
    delete m_recordNotifier;
    m_recordNotifier = nullptr;
    delete m_grabNotifier;
    m_grabNotifier = nullptr;
    if (m_control) {
        if (m_grabbed)
            XUngrabKeyboard(m_control, CurrentTime);
        if (m_context) {
            XRecordDisableContext(m_control, m_context);
            XRecordFreeContext(m_control, m_context);
        }
        XSync(m_control, False);
    }
    m_grabbed = false;
    m_context = 0;
    if (m_data)
        XCloseDisplay(m_data);
    if (m_control)
        XCloseDisplay(m_control);
    m_data = nullptr;
    m_control = nullptr;
    m_held.clear();
}

void X11RecordCapture::releaseGrab()
{
    delete m_grabNotifier;
    m_grabNotifier = nullptr;
    if (m_control && m_grabbed) {
        XUngrabKeyboard(m_control, CurrentTime);
        XSync(m_control, False);
    }
    m_grabbed = false;
}

void X11RecordCapture::readRecorded()
{
    if (m_data)
        XRecordProcessReplies(m_data);
}

void X11RecordCapture::discardGrabbedEvents()
{
    while (m_control && XPending(m_control)) {
        XEvent event;
        XNextEvent(m_control, &event);
    }
}

void X11RecordCapture::handleXKey(int xKeycode, bool pressed, quint32 serverTime)
{
    CapturedKey key;
    key.serverTime = serverTime;
    // X keycodes are the kernel's key codes shifted by 8.
    if (!LinuxKeyToMakeCode(xKeycode - 8, key.makeCode, key.extended))
        return;
    key.pressed = pressed;
    if (pressed) {
        key.autoRepeat = m_held.contains(xKeycode);
        m_held.insert(xKeycode);
    } else {
        m_held.remove(xKeycode);
    }
    key.timestampMs = CaptureClockMs();
    emit keyEvent(key);
}
