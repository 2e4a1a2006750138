#include "platform/SwayPointerSpeed.h"

#include "platform/PointerSpeedMapping.h"
#include "platform/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::unique_ptr<SwayPointerSpeed> SwayPointerSpeed::create(const QString &socketPath)
{
    if (!SwayIpc::request(socketPath, SwayIpc::GetInputs, QByteArray()).isArray())
        return nullptr;
    return std::unique_ptr<SwayPointerSpeed>(new SwayPointerSpeed(socketPath));
}

SwayPointerSpeed::SwayPointerSpeed(const QString &socketPath)
    : m_socketPath(socketPath)
{ }

QByteArray SwayPointerSpeed::command(int speed)
{
    // sway's "type:pointer" leaves touchpads out, as the other desktops do.
    return "input type:pointer pointer_accel " + QByteArray::number(LibinputAccelFromSpeed(speed), 'f', 3);
}

bool SwayPointerSpeed::read(int *speed)
{
    const QJsonArray inputs = SwayIpc::request(m_socketPath, SwayIpc::GetInputs, QByteArray()).array();
    for (const QJsonValue &value : inputs) {
        const QJsonObject input = value.toObject();
        const QJsonValue accel
            = input.value(QLatin1String("libinput")).toObject().value(QLatin1String("accel_speed"));
        if (input.value(QLatin1String("type")).toString() == QLatin1String("pointer") && accel.isDouble()) {
            *speed = SpeedFromLibinputAccel(accel.toDouble());
            return true;
        }
    }
    return false;
}

bool SwayPointerSpeed::apply(int speed)
{
    // One reply per command, each with its own "success".
    const QJsonArray replies = SwayIpc::request(m_socketPath, SwayIpc::RunCommand, command(speed)).array();
    if (replies.isEmpty())
        return false;
    for (const QJsonValue &reply : replies) {
        if (!reply.toObject().value(QLatin1String("success")).toBool())
            return false;
    }
    return true;
}
