#include "cli/CliStatus.h"

#include "cli/CliDevice.h"
#include "device/link/AccessAdvice.h"
#include "device/session/MouseSession.h"
#include "device/status/BatteryReport.h"
#include "storage/AppSettings.h"
#include "storage/UploadCut.h"

namespace {

QString connectionName(const DeviceLink &link)
{
    const bool receiver = link.InterfaceOpen(ReceiverCommand);
    const bool cable = link.InterfaceOpen(CableCommand);
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
    const BatteryReport report = BatteryReport::fromFrame(reply, BatteryFull());
    if (report.asleep)
        out << "Battery: mouse off\n";
    else
        out << "Battery: " << report.level << "%\n";
    out << "Charge: " << report.charge << "\n";
    out << "Status: " << report.writeStatus << "\n";
}

int status(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: mousecfg-cli status\n";
        return ExitUsage;
    }
    const CliDevice device;

    // Present but not to be opened: say why and how to allow it, instead of "none".
    const DeviceLink &link = device.session().link();
    const QStringList denied = link.DeniedDeviceNodes();
    if (!denied.isEmpty() && !device.connected()) {
        out << "Connection: no access\n" << AccessAdvice::explanation(denied) << "\n";
        out.flush();
        err << "mousecfg-cli: " << AccessAdvice::problem(denied) << "\n";
        return ExitNoPermission;
    }

    const QString connection = connectionName(link);
    out << "Connection: " << connection << "\n";
    if (connection != QLatin1String("none")) {
        printBattery(device, out);
        out << "Cable firmware release: "
            << QStringLiteral("0x%1").arg(link.CableFirmwareRelease(), 4, 16, QLatin1Char('0')) << "\n";
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
