#include "cli/CliSlotArgument.h"

#include "storage/ConfigData.h"

#include <QRegularExpression>

int takeSlotArgument(QStringList &args, const ConfigData &config)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (args.isEmpty() || !digits.match(args.first()).hasMatch())
        return config.ProfileID;
    const int number = args.takeFirst().toInt();
    return number >= 1 && number <= ProfileSlots ? number - 1 : -1;
}
