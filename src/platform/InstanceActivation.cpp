#include "platform/InstanceActivation.h"

#include "platform/AppBusName.h"
#include "platform/ApplicationAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include "platform/LocalServer.h"
#include "platform/LocalSocket.h"


namespace {
const QByteArray Request = QByteArrayLiteral("activate\n");
const QByteArray Answer = QByteArrayLiteral("ok\n");
} // namespace

InstanceActivation::InstanceActivation(AppBusName *busName, const QString &lockPath, QObject *parent)
    : QObject(parent)
{
    if (busName) {
        auto *target = new QObject(this);
        new ApplicationAdaptor(target, [this] { requestLater(); });
        busName->registerObject(AppBusName::objectPath(), target);
    }
    if (lockPath.isEmpty())
        return;
    m_server = new LocalServer(this);
    // The lock is ours: a socket left by a program that died is stale.
    const QString path = socketPath(lockPath);
    LocalServer::removeServer(path);
    if (m_server->listen(path))
        connect(m_server, &LocalServer::newConnection, this, &InstanceActivation::answerSocket);
}

QString InstanceActivation::socketPath(const QString &lockPath)
{
    QString path = lockPath;
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QStringLiteral(".socket");
}

void InstanceActivation::requestLater()
{
    // After the answer has gone: showing the window may open a waiting message box.
    QMetaObject::invokeMethod(this, &InstanceActivation::activationRequested, Qt::QueuedConnection);
}

void InstanceActivation::answerSocket()
{
    while (LocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &LocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &LocalSocket::readyRead, this, [this, socket] {
            // Anything but the one request is ignored; the folder is the user's own in any case.
            if (socket->bytesAvailable() < Request.size())
                return;
            if (socket->read(Request.size()) == Request) {
                socket->write(Answer);
                requestLater();
            }
            socket->disconnectFromServer();
        });
    }
}

bool InstanceActivation::requestActivation(const QDBusConnection &bus, qint64 holderPid, const QString &lockPath,
                                           int timeoutMs)
{
    // The bus name may belong to the program of another product; only the lock holder's is asked.
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (daemon && holderPid > 0) {
        const QDBusReply<uint> owner = daemon->servicePid(AppBusName::serviceName());
        if (owner.isValid() && qint64(owner.value()) == holderPid) {
            QDBusMessage call = QDBusMessage::createMethodCall(AppBusName::serviceName(), AppBusName::objectPath(),
                                                               QStringLiteral("org.freedesktop.Application"),
                                                               QStringLiteral("Activate"));
            call << QVariantMap();
            if (bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage)
                return true;
        }
    }
    if (lockPath.isEmpty())
        return false;
    LocalSocket socket;
    if (!socket.connectTo(socketPath(lockPath)))
        return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < Answer.size()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.read(Answer.size()) == Answer;
}
