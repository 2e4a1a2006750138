#include "platform/WindowKeyCapture.h"

#include "platform/KeyScanCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

WindowKeyCapture::WindowKeyCapture(QWidget *window, QObject *parent)
    : KeyboardCapture(parent)
    , m_widget(window)
{ }

WindowKeyCapture::~WindowKeyCapture()
{
    stop();
}

bool WindowKeyCapture::start(bool grabKeyboard)
{
    stop();
    if (!m_widget)
        return false;
    QWidget *top = m_widget->window();
    // Key events reach the window once before Qt hands them to the focused control and its parents.
    top->winId();
    m_window = top->windowHandle();
    if (!m_window)
        return false;
    m_swallow = grabKeyboard;
    m_window->installEventFilter(this);
    return true;
}

void WindowKeyCapture::stop()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
}

bool WindowKeyCapture::translate(const QKeyEvent &event, CapturedKey &key)
{
    int linuxKey = 0;
    const QString platform = QGuiApplication::platformName();
    // On xcb and Wayland the native scan code is the X keycode, the kernel's key code plus 8.
    if (event.nativeScanCode() > 8
        && (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))))
        linuxKey = int(event.nativeScanCode()) - 8;
    else
        linuxKey = QtKeyToLinuxKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
    if (!LinuxKeyToMakeCode(linuxKey, key.makeCode, key.extended))
        return false;
    key.pressed = event.type() == QEvent::KeyPress;
    key.autoRepeat = event.isAutoRepeat();
    key.timestampMs = CaptureClockMs();
    key.serverTime = quint32(event.timestamp());
    return true;
}

bool WindowKeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        CapturedKey key;
        if (translate(*static_cast<QKeyEvent *>(event), key))
            emit keyEvent(key);
        return m_swallow;
    }
    return KeyboardCapture::eventFilter(watched, event);
}
