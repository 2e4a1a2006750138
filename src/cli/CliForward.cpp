#include "cli/CliForward.h"

#include "core/BusErrors.h"
#include "core/MouseBusService.h"
#include "device/link/DeviceLink.h"
#include "platform/AppBusName.h"
#include "platform/SingleInstanceLock.h"
#include "storage/AppPaths.h"
#include "storage/IniSafety.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>

namespace {

// An upload behind the window's progress dialog may take long; the window answers when it is done.
constexpr int CallTimeoutMs = 120000;

enum class Decision { Unknown, Forward, Local };
Decision decision = Decision::Unknown;

QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

// The window that holds this product's single-instance lock, runs from the tool's program folder and
// owns the bus name; a name held by the window of another product is not ours to use.
bool windowOwnsName()
{
    // The lock first: without a window the bus is not even connected to.
    const QString product = IniReader(AppPaths::productDefinitionFile())
                                .value(QStringLiteral("PROFILE/ProductName"))
                                .toString();
    const SingleInstanceLock lock(SingleInstanceLock::mutexName(product));
    const qint64 holder = lock.holderPid();
    if (holder <= 0)
        return false;
    // A window of another program folder keeps other settings (a test's folder beside the user's
    // window): the tool runs on its own folder then.
    const QString windowDir = QFileInfo(QStringLiteral("/proc/%1/exe").arg(holder)).canonicalPath();
    if (windowDir.isEmpty() || windowDir != QFileInfo(AppPaths::appDir()).canonicalFilePath())
        return false;
    QDBusConnectionInterface *daemon = bus().isConnected() ? bus().interface() : nullptr;
    if (!daemon)
        return false;
    const QDBusReply<uint> owner = daemon->servicePid(AppBusName::serviceName());
    return owner.isValid() && qint64(owner.value()) == holder;
}

} // namespace

void CliForward::disable()
{
    decision = Decision::Local;
}

bool CliForward::active()
{
    if (decision == Decision::Unknown)
        decision = windowOwnsName() ? Decision::Forward : Decision::Local;
    return decision == Decision::Forward;
}

OperationResult CliForward::call(const QString &method, const QVariantList &args, QVariantList *values)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        AppBusName::serviceName(), MouseBusService::objectPath(), MouseBusService::interfaceName(), method);
    message.setArguments(args);
    const QDBusMessage reply = bus().call(message, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (values)
            *values = reply.arguments();
        return OperationResult::done();
    }
    OperationResult result;
    result.exitCode = BusErrors::exitCode(reply.errorName());
    result.message = reply.errorMessage();
    if (result.exitCode < 0) {
        // Not one of the interface's errors: the window went away or did not answer.
        result.exitCode = ReportNoDevice;
        result.message = QStringLiteral("the running window did not answer: %1").arg(reply.errorMessage());
        result.code = OperationResult::Unreadable;
    } else if (result.exitCode <= DeviceAsleep) {
        result.code = OperationResult::DeviceFailed;
        result.device = quint8(result.exitCode);
    } else {
        result.code
            = result.exitCode == ExitCannotWrite ? OperationResult::CannotWrite : OperationResult::Refused;
    }
    return result;
}

QVariantMap CliForward::properties()
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        AppBusName::serviceName(), MouseBusService::objectPath(),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    message << MouseBusService::interfaceName();
    const QDBusMessage reply = bus().call(message, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qdbus_cast<QVariantMap>(reply.arguments().first());
}

int CliForward::currentSlot()
{
    const uint slot = properties().value(QStringLiteral("Slot")).toUInt();
    return slot >= 1 && slot <= 5 ? int(slot) - 1 : 0;
}

QString CliForward::absolute(const QString &path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}
