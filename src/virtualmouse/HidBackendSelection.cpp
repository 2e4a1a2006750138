#include "virtualmouse/HidBackendSelection.h"

#include "platform/UdevHidMonitor.h"
#include "virtualmouse/VirtualMouse.h"
#include "virtualmouse/VirtualMouseScenario.h"

VirtualMouse *virtualMouseFromEnvironment()
{
    if (qEnvironmentVariableIsEmpty("MOUSECFG_VIRTUAL_MOUSE"))
        return nullptr;
    return createVirtualMouse(qEnvironmentVariable("MOUSECFG_VIRTUAL_MOUSE"));
}

HidBackendChoice chooseHidBackend()
{
    if (VirtualMouse *mouse = virtualMouseFromEnvironment())
        return { mouse, mouse };
    return { nullptr, new UdevHidMonitor };
}
