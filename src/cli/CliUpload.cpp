#include "cli/CliUpload.h"

#include "cli/CliDevice.h"
#include "device/session/MouseSession.h"
#include "device/status/BatteryReport.h"
#include "device/upload/TarnProcessThread.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"

#include <QEventLoop>

namespace {

QString resultText(quint8 status)
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

// A settings file the command relies on was not written: the mouse's result, then the failure.
int cannotWrite(QTextStream &out, QTextStream &err, quint8 status, const QString &file)
{
    if (status != ReportOk)
        out << resultText(status) << "\n";
    err << "mousecfg-cli: cannot write '" << file << "'\n";
    return ExitCannotWrite;
}

// Learns from one battery report whether the mouse sleeps and which device type it is.
void readBatteryState(const CliDevice &device)
{
    quint8 reply[ReportLength] = {};
    if (!device.queryBattery(reply))
        return;
    const BatteryReport report = BatteryReport::fromFrame(reply, BatteryFull());
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
    CliDevice device;
    if (!device.connected()) {
        err << resultText(ReportNoDevice) << "\n";
        return ReportNoDevice;
    }
    const int slot = number - 1;
    CommandSet &commands = device.session().upload().commands();
    commands.SelectProfile(slot);
    const quint8 result = commands.ApplyAll();
    if (!SaveProfileID(slot))
        return cannotWrite(out, err, result, AppPaths::globalConfigFile());
    out << resultText(result) << "\n";
    return result;
}

} // namespace

int uploadConfig(const ConfigData &config, const ConfigData &lastSent, bool all, QTextStream &out,
                 QTextStream &err)
{
    CliDevice device;
    UploadState &state = device.session().upload().state();
    state.UploadSnapshot() = config;
    state.LastSentConfig() = lastSent;
    if (!device.connected()) {
        err << resultText(ReportNoDevice) << "\n";
        return ReportNoDevice;
    }
    readBatteryState(device);

    TarnProcessThread upload(device.session().upload());
    upload.setSendEverything(all);
    // Waiting in an event loop lets a virtual mouse's timeline play during the upload.
    QEventLoop waiting;
    QObject::connect(&upload, &QThread::finished, &waiting, &QEventLoop::quit);
    upload.start(QThread::InheritPriority);
    waiting.exec();
    upload.wait();
    if (!upload.saveFailure().isEmpty())
        return cannotWrite(out, err, upload.status(), upload.saveFailure());
    out << resultText(upload.status()) << "\n";
    return upload.status();
}

CliCommand applyCommand()
{
    return { "apply", "[--all]", apply };
}

CliCommand selectProfileCommand()
{
    return { "select-profile", "N", selectProfile };
}
