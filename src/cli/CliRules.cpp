#include "cli/CliRules.h"

#include "appprofiles/AppProfileFile.h"

namespace {

constexpr const char *Usage = "list | add PROGRAM SLOT | remove PROGRAM | default SLOT|keep | off | on";

int usageError(QTextStream &err)
{
    err << "usage: mousecfg-cli rules " << Usage << "\n";
    return ExitUsage;
}

// "1".."5" to 0..4, -2 otherwise.
int slotArgument(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= 1 && number <= 5 ? number - 1 : -2;
}

void list(const AppProfileRules &rules, QTextStream &out)
{
    out << "switching: "
        << (rules.switchingActive()       ? "on"
                : rules.switchingWanted() ? "on once a rule exists"
                                          : "off")
        << "\n";
    out << "default: ";
    if (rules.defaultSlot() == AppProfileRules::KeepSlot)
        out << "keep the current slot\n";
    else
        out << "slot " << rules.defaultSlot() + 1 << "\n";
    for (const AppRule &rule : rules.rules())
        out << rule.program << "\t" << rule.slot + 1 << "\n";
}

int rules(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return usageError(err);
    const QString path = AppProfileFile::path();
    if (!AppProfileFile::isReadable(path)) {
        err << "mousecfg-cli: '" << path
            << "' is not a rules file this program can read; it is left as it is\n";
        return ExitRefused;
    }
    AppProfileRules rules = AppProfileFile::load(path);
    const QString verb = args.first();
    if (verb == QLatin1String("list") && args.size() == 1) {
        list(rules, out);
        return 0;
    }
    if (verb == QLatin1String("add") && args.size() == 3) {
        const int slot = slotArgument(args.at(2));
        if (slot < 0)
            return usageError(err);
        if (!rules.setRule(args.at(1), slot)) {
            err << "mousecfg-cli: '" << args.at(1) << "' cannot name a program in a rule\n";
            return ExitRefused;
        }
    } else if (verb == QLatin1String("remove") && args.size() == 2) {
        if (!rules.removeRule(args.at(1))) {
            err << "mousecfg-cli: no rule for '" << AppProfileRules::programName(args.at(1)) << "'\n";
            return ExitRefused;
        }
    } else if (verb == QLatin1String("default") && args.size() == 2) {
        const bool keep = args.at(1) == QLatin1String("keep");
        const int slot = keep ? AppProfileRules::KeepSlot : slotArgument(args.at(1));
        if (!rules.setDefaultSlot(slot))
            return usageError(err);
    } else if ((verb == QLatin1String("off") || verb == QLatin1String("on")) && args.size() == 1) {
        rules.setSwitchingWanted(verb == QLatin1String("on"));
    } else {
        return usageError(err);
    }
    if (!AppProfileFile::save(rules, path)) {
        err << "mousecfg-cli: cannot write '" << path << "'\n";
        return ExitCannotWrite;
    }
    list(rules, out);
    return 0;
}

} // namespace

CliCommand rulesCommand()
{
    return { "rules", Usage, rules };
}
