#pragma once

#include <QDBusConnection>
#include <QObject>

class AppBusName;
class LocalServer;

// How a second start reaches the running program: "Activate" of org.freedesktop.Application on the
// program's bus name, or, without a session bus, a local socket beside the single-instance lock.
class InstanceActivation : public QObject
{
    Q_OBJECT
public:
    // Listens on both ways: the standard object registered through `busName` (may be null) and the
    // socket beside `lockPath` (none when the path is empty).
    InstanceActivation(AppBusName *busName, const QString &lockPath, QObject *parent = nullptr);

    // The socket's path for a lock file's path.
    static QString socketPath(const QString &lockPath);
    // Asks the program holding the lock at `lockPath` (process `holderPid`) to show its window: over
    // `bus` when the bus name belongs to that process, else through the socket. True once it answered.
    static bool requestActivation(const QDBusConnection &bus, qint64 holderPid, const QString &lockPath,
                                  int timeoutMs = 5000);

signals:
    // A second start asked for the window.
    void activationRequested();

private:
    void answerSocket();
    void requestLater();

    LocalServer *m_server = nullptr;
};
