#include "cli/CliUpload.h"

#include "cli/CliDevice.h"
#include "cli/CliForward.h"
#include "core/MouseOperations.h"
#include "device/session/MouseSession.h"
#include "device/status/BatteryReport.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/UploadSlots.h"
#include "storage/UploadUnconfirmed.h"

namespace {

// A settings file the command relies on was not written: the mouse's result, then the failure.
int cannotWrite(QTextStream &out, QTextStream &err, quint8 status, const QString &file)
{
    if (status != ReportOk)
        out << DeviceResultText(status) << "\n";
    err << "mousecfg-cli: " << OperationResult::cannotWrite(file).message << "\n";
    return ExitCannotWrite;
}

// The mouse's result of a switch or an upload, as the command prints it.
int printDeviceResult(const OperationResult &result, QTextStream &out, QTextStream &err)
{
    if (result.code == OperationResult::CannotWrite) {
        if (result.device != ReportOk)
            out << DeviceResultText(result.device) << "\n";
        err << "mousecfg-cli: " << result.message << "\n";
        return result.exitCode;
    }
    if (result.code != OperationResult::Done && result.code != OperationResult::DeviceFailed) {
        err << "mousecfg-cli: " << result.message << "\n";
        return result.exitCode;
    }
    // No mouse at all is an error; any other result is the mouse's answer.
    (result.device == ReportNoDevice ? err : out) << DeviceResultLine(result) << "\n";
    return result.device;
}

// The window's result of a forwarded transfer; the window keeps whether the mouse confirmed it.
OperationResult forwardTransfer(const QString &method, const QVariantList &args)
{
    OperationResult result = CliForward::call(method, args);
    if (result.ok())
        result.unconfirmed = LastUploadUnconfirmed();
    return result;
}

// Learns from one battery report whether the mouse sleeps and which device type it is.
void readBatteryState(const CliDevice &device)
{
    quint8 reply[ReportLength] = {};
    if (!device.queryBattery(reply))
        return;
    const BatteryReport report = BatteryReport::fromFrame(reply, device.session().product().batteryFullMillivolts);
    UploadState &state = device.session().upload().state();
    state.SetDeviceTypeByte(report.deviceType);
    state.SetMouseAsleep(report.asleep);
}

int apply(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool all = args == QStringList { QStringLiteral("--all") };
    if (!args.isEmpty() && !all) {
        err << "usage: mousecfg-cli apply [--all]\n";
        return ExitUsage;
    }
    if (CliForward::active())
        return applyThroughWindow(all, out, err);
    ConfigData config;
    LoadConfig(config);
    return uploadConfig(config, config, all, out, err);
}

int selectProfile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool ok = false;
    const int number = args.size() == 1 ? args.first().toInt(&ok) : 0;
    if (!ok || number < 1 || number > ProfileSlots) {
        err << "usage: mousecfg-cli select-profile N   (N = 1 to 5)\n";
        return ExitUsage;
    }
    if (CliForward::active())
        return printDeviceResult(forwardTransfer(QStringLiteral("SelectSlot"), { uint(number) }), out, err);
    CliDevice device;
    if (!device.connected()) {
        err << DeviceResultText(ReportNoDevice) << "\n";
        return ReportNoDevice;
    }
    const int slot = number - 1;
    ConfigData config;
    LoadConfig(config);
    // The slot's settings follow the switch when they never reached the mouse; as before an upload,
    // the battery tells whether the mouse sleeps.
    if (UnsentSlots() & (1 << slot))
        readBatteryState(device);
    const OperationResult result = MouseOperations::switchSlot(device.session(), config, slot);
    if (!SaveProfileID(slot))
        return cannotWrite(out, err, result.device, AppPaths::globalConfigFile());
    return printDeviceResult(result, out, err);
}

} // namespace

int applyThroughWindow(bool all, QTextStream &out, QTextStream &err)
{
    return printDeviceResult(forwardTransfer(QStringLiteral("Apply"), { all }), out, err);
}

int uploadConfig(const ConfigData &config, const ConfigData &lastSent, bool all, QTextStream &out,
                 QTextStream &err)
{
    CliDevice device;
    device.session().upload().state().LastSentConfig() = lastSent;
    if (!device.connected()) {
        err << DeviceResultText(ReportNoDevice) << "\n";
        return ReportNoDevice;
    }
    readBatteryState(device);
    return printDeviceResult(MouseOperations::upload(device.session(), config, all), out, err);
}

CliCommand applyCommand()
{
    return { "apply", "[--all]", apply };
}

CliCommand selectProfileCommand()
{
    return { "select-profile", "N", selectProfile };
}
