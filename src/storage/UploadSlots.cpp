#include "storage/UploadSlots.h"

#include "storage/AppPaths.h"
#include "storage/ConfigData.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"

#include <QSettings>

namespace {

const QString unsentKey = QStringLiteral("Config/UnsentSlots");
static_assert(AllSlotsMask == (1 << ProfileSlots) - 1, "one bit per slot");

bool saveUnsent(int mask)
{
    mask &= AllSlotsMask;
    if (UnsentSlots() == mask)
        return true;
    return EditIniFile(AppPaths::globalConfigFile(), [&](QSettings &file) {
        if (mask)
            file.setValue(unsentKey, mask);
        else
            file.remove(unsentKey);
    });
}

} // namespace

int UploadSlot(const ConfigData &config)
{
    return config.ProfileID < ProfileSlots ? config.ProfileID : 0;
}

int LightingSlotIndex(int currentSlot, const QString &productName)
{
    if (productName == QLatin1String("4630"))
        return 0;
    return qBound(0, currentSlot, ProfileSlots - 1);
}

int UploadLightingSlot(const ConfigData &config, const QString &productName)
{
    return LightingSlotIndex(UploadSlot(config), productName);
}

int UnsentSlots()
{
    return IniReader(AppPaths::globalConfigFile()).value(unsentKey).toInt() & AllSlotsMask;
}

bool MarkSlotsUnsent(int mask)
{
    return saveUnsent(UnsentSlots() | mask);
}

bool ClearSlotUnsent(int slot)
{
    return saveUnsent(UnsentSlots() & ~(1 << slot));
}
