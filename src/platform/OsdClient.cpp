#include "platform/OsdClient.h"

#include "platform/LocalSocket.h"

#include <QFileInfo>
#include <QProcess>

OsdClient::OsdClient(const QString &program, const QString &serverName, QObject *parent)
    : QObject(parent)
    , m_program(program)
    , m_serverName(serverName)
    , m_starter([](const QString &path) {
        return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
    })
{
    m_retry.setSingleShot(true);
    // A coarse timer may fire 5 % early; the companion gets its full half second to come up.
    m_retry.setTimerType(Qt::PreciseTimer);
    m_retry.setInterval(RetryDelayMs);
    connect(&m_retry, &QTimer::timeout, this, &OsdClient::connectToCompanion);
}

void OsdClient::send(const OsdMessage &message)
{
    m_pending = message.toBytes();
    if (m_waiting)
        return;
    m_waiting = true;
    m_starts = 0;
    connectToCompanion();
}

void OsdClient::connectToCompanion()
{
    // A fresh socket per attempt: a finished one may still be flushing the last notice.
    auto *socket = new LocalSocket(this);
    if (!socket->connectTo(m_serverName)) {
        delete socket;
        onFailed();
        return;
    }
    connect(socket, &LocalSocket::disconnected, socket, &QObject::deleteLater);
    deliver(socket);
}

void OsdClient::deliver(LocalSocket *socket)
{
    socket->write(m_pending);
    m_pending.clear();
    m_waiting = false;
    // Leaves once the notice is written; the socket then frees itself.
    socket->disconnectFromServer();
    emit delivered();
}

void OsdClient::onFailed()
{
    if (m_starts < MaxStarts) {
        ++m_starts;
        m_starter(m_program);
        m_retry.start();
        return;
    }
    m_pending.clear();
    m_waiting = false;
    emit dropped();
}
