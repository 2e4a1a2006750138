#include "device/link/HidBackend.h"

#include "device/link/DeviceLink.h"
#include "device/link/SystemHidBackend.h"

#include <atomic>

namespace {
std::atomic<HidBackend *> installed { nullptr };
} // namespace

void UseHidBackend(HidBackend *backend)
{
    if (CurrentHidBackend() == (backend ? backend : &SystemHidBackend::instance()))
        return;
    // The open handles belong to the backend being replaced.
    CloseDevice();
    installed = backend;
}

HidBackend *CurrentHidBackend()
{
    HidBackend *backend = installed;
    return backend ? backend : &SystemHidBackend::instance();
}
