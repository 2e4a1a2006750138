#include "cli/CliSettings.h"

#include "cli/CliSlotArgument.h"
#include "core/settings/SlotSettings.h"
#include "storage/ConfigStore.h"

#include <QJsonDocument>

namespace {

int get(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    ConfigData config;
    LoadConfig(config);
    const int slot = takeSlotArgument(args, config);
    if (slot < 0 || !args.isEmpty()) {
        err << "usage: mousecfg-cli get [SLOT] [--json]   (SLOT = 1 to 5)\n";
        return ExitUsage;
    }
    if (json) {
        out << QJsonDocument(SlotSettings::toJson(config, slot)).toJson(QJsonDocument::Indented);
        return 0;
    }
    for (const SlotSettings::Value &value : SlotSettings::read(config, slot))
        out << value.key << " = " << SlotSettings::text(value.value) << "\n";
    return 0;
}

} // namespace

CliCommand getCommand()
{
    return { "get", "[SLOT] [--json]", get };
}
