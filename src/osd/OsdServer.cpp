#include "osd/OsdServer.h"

#include "platform/LocalServer.h"
#include "platform/LocalSocket.h"

#include <QVariant>

namespace {
// Property of each connection holding the bytes of an incomplete notice.
const char PartialProperty[] = "osdPartial";
} // namespace

OsdServer::OsdServer(QObject *parent)
    : QObject(parent)
    , m_server(new LocalServer(this))
{
    qRegisterMetaType<OsdMessage>();
    connect(m_server, &LocalServer::newConnection, this, &OsdServer::accept);
}

bool OsdServer::listen(const QString &name)
{
    if (m_server->listen(name))
        return true;
    LocalServer::removeServer(name);
    return m_server->listen(name);
}

QString OsdServer::serverName() const
{
    return m_server->fullServerName();
}

void OsdServer::accept()
{
    while (LocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &LocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &LocalSocket::disconnected, socket, &QObject::deleteLater);
        // A client may write before the server sees the connection.
        read(socket);
    }
}

void OsdServer::read(LocalSocket *socket)
{
    // Whole notices are taken as they complete; only the start of the next one is kept, so a client
    // cannot make the buffer grow.
    QByteArray buffer = socket->property(PartialProperty).toByteArray() + socket->readAll();
    int offset = 0;
    OsdMessage latest;
    bool complete = false;
    while (buffer.size() - offset >= OsdMessage::Size) {
        complete = OsdMessage::fromBytes(buffer.mid(offset, OsdMessage::Size), latest) || complete;
        offset += OsdMessage::Size;
    }
    socket->setProperty(PartialProperty, buffer.mid(offset));
    // Of several notices read at once only the newest would be seen.
    if (complete)
        emit messageReceived(latest);
}
