#include "platform/TrayHost.h"

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
    return probe() ? probe()() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayHost::setProbe(std::function<bool()> replacement)
{
    probe() = std::move(replacement);
}
