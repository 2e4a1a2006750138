#include "platform/KeyboardCapture.h"

#include "platform/WindowKeyCapture.h"
#include "platform/X11RecordCapture.h"

#include <QElapsedTimer>
#include <QGuiApplication>

qint64 CaptureClockMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

std::unique_ptr<KeyboardCapture> CreateKeyboardCapture(QWidget *window)
{
    CaptureClockMs();
    // System-wide only where the program's own windows live on the X server too.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && X11RecordCapture::available())
        return std::make_unique<X11RecordCapture>();
    return std::make_unique<WindowKeyCapture>(window);
}
