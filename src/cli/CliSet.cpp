#include "cli/CliSettings.h"

#include "cli/CliForward.h"
#include "cli/CliMacro.h"
#include "cli/CliSlotArgument.h"
#include "cli/CliUpload.h"
#include "core/settings/ButtonText.h"
#include "core/settings/SlotSettings.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStore.h"
#include "storage/UploadSlots.h"

namespace {

// Said instead of "Done." when a change to a slot that is not current waits on this computer.
int savedForLater(int slot, QTextStream &out)
{
    out << "Saved in slot " << slot + 1 << "; the mouse receives it when slot " << slot + 1
        << " is selected (mousecfg-cli select-profile " << slot + 1 << ").\n";
    return 0;
}

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
    // The mouse takes DPI stages, buttons and lighting only for the slot it has current.
    const bool current = slot == config.ProfileID;
    if (forward) {
        // The window changes, saves and shows it; its "Apply" sends it.
        const OperationResult result
            = CliForward::call(QStringLiteral("Set"), { uint(slot + 1), key, value });
        if (!result.ok()) {
            err << "mousecfg-cli: " << result.message << "\n";
            return result.exitCode;
        }
        warnIfMacroCut(BoundMacroName(value), err);
        if (!apply)
            return 0;
        return current ? applyThroughWindow(false, out, err) : savedForLater(slot, out);
    }
    const SlotSettings::SetResult result = SlotSettings::set(config, slot, key, args, Product::load());
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
    if (apply && current)
        return uploadConfig(config, before, false, out, err);
    if (!MarkSlotsUnsent(1 << slot)) {
        err << "mousecfg-cli: cannot write '" << AppPaths::globalConfigFile() << "'\n";
        return ExitCannotWrite;
    }
    return apply ? savedForLater(slot, out) : 0;
}

} // namespace

CliCommand setCommand()
{
    return { "set", "[SLOT] KEY VALUE... [--no-apply]", set };
}
