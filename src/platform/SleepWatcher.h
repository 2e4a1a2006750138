#pragma once

#include <QDBusConnection>
#include <QObject>

// Follows logind's PrepareForSleep signal (org.freedesktop.login1.Manager on the system bus) and
// says when the machine has woken from suspend or hibernation. Without logind nothing is said.
class SleepWatcher : public QObject
{
    Q_OBJECT
public:
    // Listens on `bus` (the system bus; a private one in tests).
    explicit SleepWatcher(const QDBusConnection &bus, QObject *parent = nullptr);

    // True when the signal could be subscribed to.
    bool isWatching() const { return m_watching; }

signals:
    // The machine has just woken up (PrepareForSleep(false)).
    void resumed();

private slots:
    void prepareForSleep(bool sleeping);

private:
    bool m_watching = false;
};
