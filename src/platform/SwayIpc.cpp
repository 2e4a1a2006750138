#include "platform/SwayIpc.h"

#include "platform/LocalSocket.h"

#include <QDeadlineTimer>

#include <cstring>

namespace {

const QByteArray Magic = QByteArrayLiteral("i3-ipc");
constexpr int HeaderSize = 6 + 4 + 4;
// sway's largest answers (a tree of many windows) stay far below this; more means a broken stream.
constexpr quint32 MaxPayload = 64u * 1024u * 1024u;

} // namespace

namespace SwayIpc {

QByteArray encode(quint32 type, const QByteArray &payload)
{
    QByteArray message = Magic;
    const quint32 length = quint32(payload.size());
    message.append(reinterpret_cast<const char *>(&length), sizeof length);
    message.append(reinterpret_cast<const char *>(&type), sizeof type);
    message.append(payload);
    return message;
}

Take takeMessage(QByteArray *buffer, quint32 *type, QByteArray *payload)
{
    if (buffer->size() < HeaderSize)
        return Magic.startsWith(buffer->left(Magic.size())) ? Take::Incomplete : Take::Corrupt;
    if (!buffer->startsWith(Magic))
        return Take::Corrupt;
    quint32 length = 0;
    std::memcpy(&length, buffer->constData() + 6, sizeof length);
    if (length > MaxPayload)
        return Take::Corrupt;
    if (quint64(buffer->size()) < HeaderSize + quint64(length))
        return Take::Incomplete;
    std::memcpy(type, buffer->constData() + 10, sizeof *type);
    *payload = buffer->mid(HeaderSize, int(length));
    buffer->remove(0, HeaderSize + int(length));
    return Take::Message;
}

QString socketPath()
{
    return QString::fromLocal8Bit(qgetenv("SWAYSOCK"));
}

QJsonDocument request(const QString &socketPath, quint32 type, const QByteArray &payload, int timeoutMs)
{
    if (socketPath.isEmpty())
        return {};
    QDeadlineTimer deadline(timeoutMs);
    LocalSocket socket;
    if (!socket.connectTo(socketPath))
        return {};
    socket.write(encode(type, payload));
    QByteArray buffer;
    for (;;) {
        buffer += socket.readAll();
        quint32 replyType = 0;
        QByteArray reply;
        switch (takeMessage(&buffer, &replyType, &reply)) {
        case Take::Message:
            return replyType == type ? QJsonDocument::fromJson(reply) : QJsonDocument();
        case Take::Corrupt:
            return {};
        case Take::Incomplete:
            break;
        }
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return {};
    }
}

} // namespace SwayIpc
