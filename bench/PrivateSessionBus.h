#pragma once

#include <QProcess>
#include <QString>

// A session bus of the bench's own, never the machine's; ends with the object.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    // The bus's address; empty when dbus-daemon is missing or did not start.
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
