#pragma once

#include <QList>
#include <QObject>
#include <QString>

class LocalSocket;
class QSocketNotifier;

// A Unix stream socket that only its user may connect to, accepting connections in the event loop.
class LocalServer : public QObject
{
    Q_OBJECT
public:
    // A server not yet listening.
    explicit LocalServer(QObject *parent = nullptr);
    ~LocalServer() override;

    // Listens at `name` (LocalSocket::pathForName); false when the path is taken or cannot be made.
    bool listen(const QString &name);
    // The path listened at, empty before listen().
    QString fullServerName() const { return m_path; }
    // The next accepted connection, owned by this server; null when none waits.
    LocalSocket *nextPendingConnection();

    // Removes the socket file at `name`, left by a server that ended.
    static void removeServer(const QString &name);

signals:
    // Connections wait in nextPendingConnection().
    void newConnection();

private:
    void accept();

    int m_fd = -1;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
    QList<LocalSocket *> m_pending;
};
