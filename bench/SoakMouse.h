#pragma once

#include <QByteArray>

// What the soak does to the mouse behind the program: the virtual mouse inside it, or the mock
// kernel's nodes served by another process. Only the receiver is plugged and pulled.
class SoakMouse
{
public:
    virtual ~SoakMouse() = default;
    // Pulls the receiver out.
    virtual void unplug() = 0;
    // Plugs the receiver in.
    virtual void plug() = 0;
    // An input report from the mouse (status, battery) on the receiver's command collection.
    virtual void sendReport(const QByteArray &report) = 0;
    // Forgets the reports the program wrote so far (the record exists for tests only).
    virtual void forgetReports() = 0;
};
