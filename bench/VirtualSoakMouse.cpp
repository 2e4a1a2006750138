#include "VirtualSoakMouse.h"

#include "virtualmouse/VirtualMouse.h"

VirtualSoakMouse::VirtualSoakMouse(VirtualMouse &mouse)
    : m_mouse(mouse)
{ }

void VirtualSoakMouse::unplug()
{
    m_mouse.unplug(VirtualMouse::Receiver);
}

void VirtualSoakMouse::plug()
{
    m_mouse.plug(VirtualMouse::Receiver);
}

void VirtualSoakMouse::sendReport(const QByteArray &report)
{
    m_mouse.injectReport(report);
}

void VirtualSoakMouse::forgetReports()
{
    m_mouse.clearReports();
}
