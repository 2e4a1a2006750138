#include "cli/CliStatus.h"

#include "cli/CliDevice.h"
#include "cli/CliForward.h"
#include "device/link/AccessAdvice.h"
#include "device/session/MouseSession.h"
#include "device/status/BatteryReport.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/UploadCut.h"

#include <QJsonDocument>
#include <QJsonObject>

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

// What one status query found, for the text and the JSON form.
struct StatusFacts
{
    QString connection;
    bool answered = false;
    bool asleep = false;
    int battery = 0;
    bool charging = false;
    int status = 0;
    int slot = 0;
    QString firmware;
    bool transferCut = false;
};

void readBattery(const CliDevice &device, StatusFacts &facts)
{
    quint8 reply[ReportLength] = {};
    facts.answered = device.queryBattery(reply);
    if (!facts.answered)
        return;
    const BatteryReport report = BatteryReport::fromFrame(reply, BatteryFull());
    facts.asleep = report.asleep;
    facts.battery = report.level;
    facts.charging = report.charging;
    facts.status = report.writeStatus;
}

void printText(const StatusFacts &facts, QTextStream &out)
{
    out << "Connection: " << facts.connection << "\n";
    if (facts.connection != QLatin1String("none")) {
        if (!facts.answered) {
            out << "Battery: no answer\n";
        } else {
            out << "Battery: "
                << (facts.asleep ? QStringLiteral("mouse off") : QStringLiteral("%1%").arg(facts.battery))
                << "\n";
            out << "Charging: " << (facts.charging ? "yes" : "no") << "\n";
            out << "Status: " << facts.status << "\n";
        }
        out << "Slot: " << facts.slot << "\n";
        out << "Cable firmware release: " << facts.firmware << "\n";
    }
    if (facts.transferCut)
        out << "Last transfer: did not finish; 'mousecfg-cli apply --all' sends the settings again\n";
}

void printJson(const StatusFacts &facts, QTextStream &out)
{
    QJsonObject object { { "connection", facts.connection },
                         { "slot", facts.slot },
                         { "lastTransferCut", facts.transferCut } };
    if (facts.connection != QLatin1String("none")) {
        object.insert("answered", facts.answered);
        object.insert("asleep", facts.asleep);
        object.insert("battery", facts.answered && !facts.asleep ? QJsonValue(facts.battery) : QJsonValue());
        object.insert("charging", facts.charging);
        object.insert("cableFirmware", facts.firmware);
    }
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

int status(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool json = args == QStringList { QStringLiteral("--json") };
    if (!args.isEmpty() && !json) {
        err << "usage: mousecfg-cli status [--json]\n";
        return ExitUsage;
    }
    if (CliForward::active())
        return CliForward::printStatus(out, err);
    const CliDevice device;

    // Present but not to be opened: say why and how to allow it, instead of "none".
    const DeviceLink &link = device.session().link();
    const QStringList denied = link.DeniedDeviceNodes();
    if (!denied.isEmpty() && !device.connected()) {
        if (json)
            out << QJsonDocument(QJsonObject { { "connection", "no access" } })
                       .toJson(QJsonDocument::Indented);
        else
            out << "Connection: no access\n" << AccessAdvice::explanation(denied) << "\n";
        out.flush();
        err << "mousecfg-cli: " << AccessAdvice::problem(denied) << "\n";
        return ExitNoPermission;
    }

    StatusFacts facts;
    facts.connection = connectionName(link);
    if (facts.connection != QLatin1String("none")) {
        readBattery(device, facts);
        facts.firmware = QStringLiteral("0x%1").arg(link.CableFirmwareRelease(), 4, 16, QLatin1Char('0'));
    }
    ConfigData config;
    LoadConfig(config);
    facts.slot = config.ProfileID + 1;
    facts.transferCut = LastUploadCut();
    if (json)
        printJson(facts, out);
    else
        printText(facts, out);
    return facts.connection == QLatin1String("none") ? ReportNoDevice : ReportOk;
}

} // namespace

CliCommand statusCommand()
{
    return { "status", "[--json]", status };
}
