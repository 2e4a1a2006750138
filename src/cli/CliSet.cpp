#include "cli/CliSettings.h"

#include "cli/CliForward.h"
#include "cli/CliMacro.h"
#include "cli/CliSlotArgument.h"
#include "cli/CliUpload.h"
#include "core/settings/ButtonText.h"
#include "core/settings/SlotSettings.h"
#include "storage/ConfigStore.h"

namespace {

int set(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    const bool apply = args.removeAll(QStringLiteral("--no-apply")) == 0;
    const bool forward = CliForward::active();
    ConfigData config;
    if (forward)
        config.ProfileID = CliForward::currentSlot();
    else
        LoadConfig(config);
    const ConfigData before = config;
    const int slot = takeSlotArgument(args, config);
    if (slot < 0 || args.size() < 2) {
        err << "usage: mousecfg-cli set [SLOT] KEY VALUE... [--no-apply]   (SLOT = 1 to 5)\n";
        return ExitUsage;
    }
    const QString key = args.takeFirst();
    const QString value = args.join(QLatin1Char(' '));
    if (forward) {
        // The window changes, saves and shows it; its "Apply" sends it.
        const OperationResult result
            = CliForward::call(QStringLiteral("Set"), { uint(slot + 1), key, value });
        if (!result.ok()) {
            err << "mousecfg-cli: " << result.message << "\n";
            return result.exitCode;
        }
        warnIfMacroCut(BoundMacroName(value), err);
        return apply ? applyThroughWindow(false, out, err) : 0;
    }
    const SlotSettings::SetResult result = SlotSettings::set(config, slot, key, args);
    if (!result.ok) {
        err << "mousecfg-cli: " << result.error << "\n";
        return ExitRefused;
    }
    warnIfMacroCut(BoundMacroName(value), err);
    // Saved first, so that the value stays even when no mouse takes it.
    QString failed;
    if (!SaveConfig(config, &failed)) {
        err << "mousecfg-cli: cannot write '" << failed << "'\n";
        return ExitCannotWrite;
    }
    // As the window's "Apply": whatever the change touched goes to the mouse.
    return apply ? uploadConfig(config, before, false, out, err) : 0;
}

} // namespace

CliCommand setCommand()
{
    return { "set", "[SLOT] KEY VALUE... [--no-apply]", set };
}
