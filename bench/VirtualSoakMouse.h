#pragma once

#include "SoakMouse.h"

class VirtualMouse;

// The soak's mouse when it is the virtual mouse the program itself runs.
class VirtualSoakMouse : public SoakMouse
{
public:
    // Drives `mouse`, which the program's window owns.
    explicit VirtualSoakMouse(VirtualMouse &mouse);
    // Pulls the receiver out.
    void unplug() override;
    // Plugs the receiver in.
    void plug() override;
    // Queues an input report on the receiver.
    void sendReport(const QByteArray &report) override;
    // Forgets the reports written so far.
    void forgetReports() override;

private:
    VirtualMouse &m_mouse;
};
