#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

// sway's IPC (the i3 framing): "i3-ipc", payload length and message type as native 32-bit integers,
// then a JSON payload. Replies carry the request's type; events have the high bit set.
namespace SwayIpc {

enum MessageType : quint32 {
    RunCommand = 0,
    Subscribe = 2,
    GetTree = 4,
    GetInputs = 100,
};
constexpr quint32 EventFlag = 0x80000000u;
constexpr quint32 WindowEvent = EventFlag | 3u;

// Where a message is read from.
enum class Take { Incomplete, Message, Corrupt };

// One message ready to write.
QByteArray encode(quint32 type, const QByteArray &payload);
// Takes the first whole message off `buffer` into `type` and `payload`; Incomplete leaves the buffer as
// it is, Corrupt means the stream cannot be read on (wrong magic or an absurd length).
Take takeMessage(QByteArray *buffer, quint32 *type, QByteArray *payload);
// The socket named by $SWAYSOCK, empty outside sway.
QString socketPath();
// Sends one request on a connection of its own and waits up to `timeoutMs` for its reply; a null
// document when sway could not be reached or answered nonsense.
QJsonDocument request(const QString &socketPath, quint32 type, const QByteArray &payload, int timeoutMs = 2000);

} // namespace SwayIpc
