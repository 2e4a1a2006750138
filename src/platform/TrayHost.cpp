#include "platform/TrayHost.h"

#include "platform/StatusNotifierHost.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

namespace {
std::function<bool()> &probe()
{
    static std::function<bool()> instance;
    return instance;
}
} // namespace

bool TrayHost::available()
{
    if (probe())
        return probe()();
    // Qt keeps its first answer for the whole run and, without a host, tries X11's tray on Wayland:
    // asked before a host exists, it would never show the icon once one comes.
    if (onWayland())
        return StatusNotifierHost::registeredOn(QDBusConnection::sessionBus());
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayHost::onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TrayHost::setProbe(std::function<bool()> replacement)
{
    probe() = std::move(replacement);
}
