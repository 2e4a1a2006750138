#include "cli/CliStatus.h"

#include "device/BatteryLevel.h"
#include "device/DeviceLink.h"
#include "storage/AppSettings.h"
#include "virtualmouse/HidBackendSelection.h"
#include "virtualmouse/VirtualMouse.h"

#include <QDeadlineTimer>
#include <QThread>

#include <memory>

namespace {

// Long enough for a mouse that answers late; other reports read meanwhile are skipped.
constexpr int BatteryWaitMs = 1000;
constexpr int ReadSliceMs = 50;

// Sends the battery query and waits for the battery report; false when none came.
bool queryBattery(quint8 (&reply)[ReportLength])
{
    const quint8 query[ReportLength] = { ReportId, 0x24, ReportMarker, 0x48 };
    if (WriteCommandHandle(query, ReportLength) < 0)
        return false;
    QThread::msleep(10);
    const QDeadlineTimer deadline(BatteryWaitMs);
    while (!deadline.hasExpired()) {
        const int result = ReadCommandHandle(reply, ReportLength, ReadSliceMs);
        if (result < 0)
            return false;
        if (result > 0 && reply[3] == 0x48)
            return true;
    }
    return false;
}

QString connectionName()
{
    const bool receiver = InterfaceOpen(ReceiverCommand);
    const bool cable = InterfaceOpen(CableCommand);
    if (receiver && cable)
        return QStringLiteral("both");
    if (cable)
        return QStringLiteral("cable");
    return receiver ? QStringLiteral("receiver") : QStringLiteral("none");
}

void printBattery(QTextStream &out)
{
    quint8 reply[ReportLength] = {};
    if (!queryBattery(reply)) {
        out << "Battery: no answer\n";
        return;
    }
    if (reply[4] == 0 && reply[5] == 0 && reply[6] == 0)
        out << "Battery: mouse off\n";
    else
        out << "Battery: " << batteryLevelFromVoltage(reply[4], reply[5], BatteryFull()) << "%\n";
    out << "Charge: " << reply[6] << "\n";
    out << "Status: " << reply[7] << "\n";
}

int status(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: mousecfg-cli status\n";
        return ExitUsage;
    }
    const std::unique_ptr<VirtualMouse> virtualMouse(installVirtualMouseFromEnvironment());
    BuildDeviceTable();
    EnumerateDevices();
    OpenDevice(CurrentProduct().toLatin1().constData());

    const QString connection = connectionName();
    out << "Connection: " << connection << "\n";
    if (connection != QLatin1String("none")) {
        printBattery(out);
        out << "Cable firmware release: "
            << QStringLiteral("0x%1").arg(CableFirmwareRelease(), 4, 16, QLatin1Char('0')) << "\n";
    }
    CloseDevice();
    ExitHid();
    return connection == QLatin1String("none") ? ReportNoDevice : ReportOk;
}

} // namespace

CliCommand statusCommand()
{
    return { "status", "", status };
}
