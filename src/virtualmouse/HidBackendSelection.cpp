#include "virtualmouse/HidBackendSelection.h"

#include "platform/UdevHidMonitor.h"
#include "virtualmouse/VirtualMouse.h"
#include "virtualmouse/VirtualMouseScenario.h"

VirtualMouse *installVirtualMouseFromEnvironment()
{
    if (qEnvironmentVariableIsEmpty("MOUSECFG_VIRTUAL_MOUSE"))
        return nullptr;
    VirtualMouse *mouse = createVirtualMouse(qEnvironmentVariable("MOUSECFG_VIRTUAL_MOUSE"));
    UseHidBackend(mouse);
    return mouse;
}

DeviceNoticeSource *installHidBackend()
{
    if (VirtualMouse *mouse = installVirtualMouseFromEnvironment())
        return mouse;
    return new UdevHidMonitor;
}
