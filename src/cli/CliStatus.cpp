#include "cli/CliStatus.h"

#include "cli/CliDevice.h"
#include "cli/CliForward.h"
#include "device/link/AccessAdvice.h"
#include "device/link/DeviceLink.h"
#include "device/upload/BatteryLevel.h"
#include "storage/AppSettings.h"
#include "storage/UploadCut.h"

namespace {

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

void printBattery(const CliDevice &device, QTextStream &out)
{
    quint8 reply[ReportLength] = {};
    if (!device.queryBattery(reply)) {
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
    if (CliForward::active())
        return CliForward::printStatus(out, err);
    const CliDevice device;

    // Present but not to be opened: say why and how to allow it, instead of "none".
    const QStringList denied = DeniedDeviceNodes();
    if (!denied.isEmpty() && !device.connected()) {
        out << "Connection: no access\n" << AccessAdvice::explanation(denied) << "\n";
        out.flush();
        err << "mousecfg-cli: " << AccessAdvice::problem(denied) << "\n";
        return ExitNoPermission;
    }

    const QString connection = connectionName();
    out << "Connection: " << connection << "\n";
    if (connection != QLatin1String("none")) {
        printBattery(device, out);
        out << "Cable firmware release: "
            << QStringLiteral("0x%1").arg(CableFirmwareRelease(), 4, 16, QLatin1Char('0')) << "\n";
    }
    if (LastUploadCut())
        out << "Last transfer: did not finish; 'mousecfg-cli apply --all' sends the settings again\n";
    return connection == QLatin1String("none") ? ReportNoDevice : ReportOk;
}

} // namespace

CliCommand statusCommand()
{
    return { "status", "", status };
}
