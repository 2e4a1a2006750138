#include "core/OperationResult.h"

#include "device/link/DeviceLink.h"
#include "storage/ImportCheck.h"

QString DeviceResultText(quint8 status)
{
    switch (status) {
    case ReportOk:
        return QStringLiteral("Done.");
    case ReportNoDevice:
        return QStringLiteral("No mouse connected.");
    case DeviceAsleep:
        return QStringLiteral("Mouse is sleeping or not connected.");
    default:
        return QStringLiteral("Send data failed, please try again. (code %1)").arg(status);
    }
}

QString DeviceResultLine(const OperationResult &result)
{
    if (result.device == ReportOk && result.unconfirmed)
        return QStringLiteral("Done (the mouse did not confirm).");
    return DeviceResultText(result.device);
}

QString ShownPath(const QString &path)
{
    QString line = path;
    for (QChar &ch : line) {
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char('?');
    }
    return line;
}

OperationResult OperationResult::fromDevice(quint8 status)
{
    OperationResult result;
    if (status == ReportOk)
        return result;
    result.code = DeviceFailed;
    result.device = status;
    result.exitCode = status;
    result.message = DeviceResultText(status);
    return result;
}

OperationResult OperationResult::cannotWrite(const QString &path)
{
    OperationResult result;
    result.code = CannotWrite;
    result.path = path;
    result.exitCode = ExitCannotWrite;
    result.message = QStringLiteral("cannot write '%1'").arg(ShownPath(path));
    return result;
}

OperationResult OperationResult::unreadable(const QString &path)
{
    OperationResult result;
    result.code = Unreadable;
    result.path = path;
    result.exitCode = ExitNoInput;
    const ImportCheck check(path, ImportCheck::Profile);
    result.message = check.unreadable() ? check.message(ShownPath(path))
                                        : QStringLiteral("cannot read '%1'").arg(ShownPath(path));
    return result;
}

OperationResult OperationResult::badValue(const QString &message)
{
    OperationResult result;
    result.code = BadValue;
    result.exitCode = ExitRefused;
    result.message = message;
    return result;
}

OperationResult OperationResult::busy()
{
    OperationResult result;
    result.code = Busy;
    result.exitCode = ExitBusy;
    result.message = QStringLiteral("the window is sending settings to the mouse; try again when it is done");
    return result;
}
