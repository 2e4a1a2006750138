#include "cli/CliStatus.h"

#include "cli/CliDevice.h"
#include "cli/CliForward.h"
#include "device/link/AccessAdvice.h"
#include "device/session/MouseSession.h"
#include "device/status/BatteryReport.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/UploadCut.h"
#include "storage/UploadUnconfirmed.h"

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
    int status = -1; // the write status byte; -1 when the window answered (it keeps no such byte)
    int slot = 0;
    int dpiStage = 0; // 1..8 as the window shows it; 0 when the tool asked the mouse itself
    int reportRate = 0; // Hz, as the window shows it; 0 when unknown
    QString firmware; // empty when the window answered
    bool transferCut = false;
    bool transferUnconfirmed = false; // the mouse left reports of the last transfer unanswered
};

// The running window's view of the mouse, from its D-Bus properties; false when it did not answer.
bool readWindow(StatusFacts &facts)
{
    const QVariantMap state = CliForward::properties();
    if (state.isEmpty())
        return false;
    facts.connection = state.value(QStringLiteral("Connection")).toString();
    facts.answered = true;
    facts.asleep = state.value(QStringLiteral("Asleep")).toBool();
    facts.battery = facts.asleep ? 0 : int(state.value(QStringLiteral("Battery")).toUInt());
    facts.charging = state.value(QStringLiteral("Charging")).toBool();
    facts.slot = int(state.value(QStringLiteral("Slot")).toUInt());
    facts.dpiStage = int(state.value(QStringLiteral("DpiStage")).toUInt());
    facts.reportRate = int(state.value(QStringLiteral("ReportRate")).toUInt());
    return true;
}

void readBattery(const CliDevice &device, StatusFacts &facts)
{
    quint8 reply[ReportLength] = {};
    facts.answered = device.queryBattery(reply);
    if (!facts.answered)
        return;
    const BatteryReport report = BatteryReport::fromFrame(reply, device.session().product().batteryFullMillivolts);
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
            if (facts.status >= 0)
                out << "Status: " << facts.status << "\n";
        }
        out << "Slot: " << facts.slot << "\n";
        if (facts.dpiStage > 0)
            out << "DPI stage: " << facts.dpiStage << "\n";
        if (facts.reportRate > 0)
            out << "Report rate: " << facts.reportRate << " Hz\n";
        if (!facts.firmware.isEmpty())
            out << "Cable firmware release: " << facts.firmware << "\n";
    }
    if (facts.transferCut)
        out << "Last transfer: did not finish; 'mousecfg-cli apply --all' sends the settings again\n";
    else if (facts.transferUnconfirmed)
        out << "Last transfer: done, but the mouse did not confirm\n";
}

void printJson(const StatusFacts &facts, QTextStream &out)
{
    QJsonObject object { { "connection", facts.connection },
                         { "slot", facts.slot },
                         { "lastTransferCut", facts.transferCut },
                         { "lastTransferUnconfirmed", facts.transferUnconfirmed } };
    if (facts.connection != QLatin1String("none")) {
        object.insert("answered", facts.answered);
        object.insert("asleep", facts.asleep);
        object.insert("battery", facts.answered && !facts.asleep ? QJsonValue(facts.battery) : QJsonValue());
        object.insert("charging", facts.charging);
        if (facts.dpiStage > 0)
            object.insert("dpiStage", facts.dpiStage);
        if (facts.reportRate > 0)
            object.insert("reportRate", facts.reportRate);
        if (!facts.firmware.isEmpty())
            object.insert("cableFirmware", facts.firmware);
    }
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// Asks the mouse itself. Returns -1 when `facts` are filled, else the exit code after saying why.
int readOwnSession(StatusFacts &facts, bool json, QTextStream &out, QTextStream &err)
{
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
    facts.connection = connectionName(link);
    if (facts.connection != QLatin1String("none")) {
        readBattery(device, facts);
        facts.firmware = QStringLiteral("0x%1").arg(link.CableFirmwareRelease(), 4, 16, QLatin1Char('0'));
    }
    ConfigData config;
    LoadConfig(config);
    facts.slot = config.ProfileID + 1;
    return -1;
}

int status(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const bool json = args == QStringList { QStringLiteral("--json") };
    if (!args.isEmpty() && !json) {
        err << "usage: mousecfg-cli status [--json]\n";
        return ExitUsage;
    }
    StatusFacts facts;
    if (CliForward::active()) {
        if (!readWindow(facts)) {
            err << "mousecfg-cli: the running window did not answer\n";
            return ReportNoDevice;
        }
    } else if (const int refused = readOwnSession(facts, json, out, err); refused >= 0) {
        return refused;
    }
    facts.transferCut = LastUploadCut();
    facts.transferUnconfirmed = LastUploadUnconfirmed();
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
