#include "cli/CliSettings.h"

#include "cli/CliForward.h"
#include "cli/CliSlotArgument.h"
#include "core/settings/SlotSettings.h"
#include "storage/ConfigStore.h"

#include <QJsonDocument>

namespace {

int get(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    const bool forward = CliForward::active();
    ConfigData config;
    if (forward)
        config.ProfileID = CliForward::currentSlot();
    else
        LoadConfig(config);
    const int slot = takeSlotArgument(args, config);
    if (slot < 0 || !args.isEmpty()) {
        err << "usage: mousecfg-cli get [SLOT] [--json]   (SLOT = 1 to 5)\n";
        return ExitUsage;
    }
    QJsonObject settings;
    if (forward) {
        QVariantList reply;
        const OperationResult result = CliForward::call(QStringLiteral("Get"), { uint(slot + 1) }, &reply);
        if (!result.ok()) {
            err << "mousecfg-cli: " << result.message << "\n";
            return result.exitCode;
        }
        settings = QJsonDocument::fromJson(reply.value(0).toString().toUtf8()).object();
    } else {
        settings = SlotSettings::toJson(config, slot, Product::load());
    }
    if (json) {
        out << QJsonDocument(settings).toJson(QJsonDocument::Indented);
        return 0;
    }
    // The keys' own order, which a JSON object does not keep.
    QStringList order = SlotSettings::keys(Product::load());
    for (const QString &key : settings.keys()) {
        if (!order.contains(key))
            order << key;
    }
    for (const QString &key : qAsConst(order)) {
        if (settings.contains(key))
            out << key << " = " << SlotSettings::text(settings.value(key)) << "\n";
    }
    return 0;
}

} // namespace

CliCommand getCommand()
{
    return { "get", "[SLOT] [--json]", get };
}
