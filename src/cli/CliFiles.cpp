#include "cli/CliFiles.h"

#include "cli/CliForward.h"
#include "core/ProfileTransfers.h"
#include "device/link/DeviceLink.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"

#include <QFileInfo>

namespace {

int usageError(QTextStream &err, const char *command, const char *arguments)
{
    err << "usage: mousecfg-cli " << command << " " << arguments << "\n";
    return ExitUsage;
}

// The failure's one line; returns its exit code.
int failed(QTextStream &err, const OperationResult &result)
{
    err << "mousecfg-cli: " << result.message << "\n";
    return result.exitCode;
}

// Runs `method` in the running window with `path` (made absolute) after `before`; the window's
// message names the path as it was typed.
OperationResult forward(const QString &method, QVariantList before, const QString &path)
{
    const QString absolute = CliForward::absolute(path);
    OperationResult result = CliForward::call(method, before << absolute);
    if (absolute != path)
        result.message.replace(ShownPath(absolute), ShownPath(path));
    return result;
}

// The window took the file, but its upload failed: the mouse's result.
int failedUpload(QTextStream &out, QTextStream &err, const OperationResult &result)
{
    (result.device == ReportNoDevice ? err : out) << result.message << "\n";
    return result.exitCode;
}

// Saves the changed configuration; the exit code.
int saved(const ConfigData &config, QTextStream &err)
{
    QString failure;
    if (!SaveConfig(config, &failure))
        return failed(err, OperationResult::cannotWrite(failure));
    return 0;
}

int exportConfig(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, "export-config", "FILE");
    ConfigData config;
    LoadConfig(config);
    const OperationResult result = CliForward::active()
        ? forward(QStringLiteral("ExportConfig"), {}, args.first())
        : ProfileTransfers::exportConfig(config, args.first());
    if (!result.ok())
        return failed(err, result);
    out << "Configuration exported to " << args.first() << "\n";
    return 0;
}

int importConfig(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, "import-config", "FILE");
    const QString path = args.first();
    if (CliForward::active()) {
        const OperationResult result = forward(QStringLiteral("ImportConfig"), {}, path);
        if (!result.ok())
            return result.code == OperationResult::DeviceFailed ? failedUpload(out, err, result)
                                                                : failed(err, result);
        out << "Configuration imported from " << path << "\n";
        return 0;
    }
    ConfigData config;
    LoadConfig(config);
    const OperationResult result = ProfileTransfers::importConfig(config, path);
    if (!result.ok())
        return failed(err, result);
    if (const int code = saved(config, err))
        return code;
    out << "Configuration imported from " << path << "\n";
    return 0;
}

int exportProfile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    bool isNumber = false;
    const int slot = args.size() == 2 ? args.first().toInt(&isNumber) : 0;
    if (!isNumber || slot < 1 || slot > ProfileSlots)
        return usageError(err, "export-profile", "SLOT(1-5) FILE");
    ConfigData config;
    LoadConfig(config);
    OperationResult result;
    if (CliForward::active()) {
        result = forward(QStringLiteral("ExportProfile"), { uint(slot) }, args.at(1));
        result.name = config.profileNames[slot - 1];
    } else {
        result = ProfileTransfers::exportProfile(config, slot - 1, args.at(1));
    }
    if (!result.ok())
        return failed(err, result);
    out << "Profile " << slot << " (" << result.name << ") exported to " << args.at(1) << "\n";
    return 0;
}

int importProfile(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1)
        return usageError(err, "import-profile", "FILE");
    const QString path = args.first();
    if (CliForward::active()) {
        const OperationResult result = forward(QStringLiteral("ImportProfile"), {}, path);
        if (!result.ok())
            return result.code == OperationResult::DeviceFailed ? failedUpload(out, err, result)
                                                                : failed(err, result);
        const uint slot = CliForward::properties().value(QStringLiteral("Slot")).toUInt();
        out << "Profile " << QFileInfo(path).completeBaseName() << " imported into profile " << slot << "\n";
        return 0;
    }
    ConfigData config;
    LoadConfig(config);
    const OperationResult result = ProfileTransfers::importProfile(config, path);
    if (!result.ok())
        return failed(err, result);
    if (const int code = saved(config, err))
        return code;
    out << "Profile " << result.name << " imported into profile " << result.slot + 1 << "\n";
    return 0;
}

} // namespace

CliCommand exportConfigCommand()
{
    return { "export-config", "FILE", exportConfig };
}

CliCommand importConfigCommand()
{
    return { "import-config", "FILE", importConfig };
}

CliCommand exportProfileCommand()
{
    return { "export-profile", "SLOT(1-5) FILE", exportProfile };
}

CliCommand importProfileCommand()
{
    return { "import-profile", "FILE", importProfile };
}
