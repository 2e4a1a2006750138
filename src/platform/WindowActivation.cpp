#include "platform/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QX11Info>

void BringWindowToFront(QWidget *window)
{
    if (QX11Info::isPlatformX11()) {
        const unsigned long now = QX11Info::getTimestamp();
        QX11Info::setAppTime(now);
        QX11Info::setAppUserTime(now);
    }
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        window->activateWindow();
    window->raise();
}
