#include "device/link/HidBackend.h"

#include "device/link/DeviceTable.h"

void DeviceLink::UseHidBackend(HidBackend *backend)
{
    if (CurrentHidBackend() == (backend ? backend : &d->system))
        return;
    // The open handles belong to the backend being replaced.
    CloseDevice();
    std::unique_lock<std::shared_mutex> lock(d->handleLock);
    d->backend = backend;
}

HidBackend *DeviceLink::CurrentHidBackend() const
{
    HidBackend *backend = d->backend;
    return backend ? backend : &d->system;
}
