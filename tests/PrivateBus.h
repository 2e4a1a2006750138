#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A session bus of the test's own, never the machine's; ends with the object.
class PrivateBus
{
public:
    PrivateBus()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon, { QStringLiteral("--session"), QStringLiteral("--nofork"),
                                 QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1") });
        if (m_daemon.waitForReadyRead(10000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    // The bus's address; empty when dbus-daemon is missing or did not start.
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
