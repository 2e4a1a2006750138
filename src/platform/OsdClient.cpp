#include "platform/OsdClient.h"

#include <QFileInfo>
#include <QLocalSocket>
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
    auto *socket = new QLocalSocket(this);
    m_attempt = socket;
    connect(socket, &QLocalSocket::connected, this, [this, socket] { onConnected(socket); });
    connect(socket, &QLocalSocket::errorOccurred, this, [this, socket] { onFailed(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->connectToServer(m_serverName);
}

void OsdClient::onConnected(QLocalSocket *socket)
{
    if (socket != m_attempt)
        return;
    m_attempt = nullptr;
    socket->write(m_pending);
    m_pending.clear();
    m_waiting = false;
    // Leaves once the notice is written; the socket then frees itself.
    socket->disconnectFromServer();
    emit delivered();
}

void OsdClient::onFailed(QLocalSocket *socket)
{
    // Errors of a socket that already delivered (the companion closing first) change nothing.
    if (socket != m_attempt) {
        socket->deleteLater();
        return;
    }
    m_attempt = nullptr;
    socket->deleteLater();
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
