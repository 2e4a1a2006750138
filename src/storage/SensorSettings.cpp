#include "storage/SensorSettings.h"

#include "storage/IniDocument.h"
#include "storage/IniFile.h"
#include "storage/ProductDefinition.h"

#include <optional>

namespace {

struct Setting
{
    const char *key;
    quint8 ConfigData::*field;
    int min;
    int max;
    // Index into SensorDefaults()'s bytes.
    int product;
};

const Setting settings[] = {
    { "Config/LiftHigh", &ConfigData::LiftHigh, LiftMin, LiftMax, 0 },
    { "Config/AngleValue", &ConfigData::AngleValue, 0, 1, 1 },
    { "Config/Debounce", &ConfigData::Debounce, KeyResponseMin, KeyResponseMax, 2 },
    { "Config/Jitter", &ConfigData::Jitter, 0, 1, 3 },
    { "Config/Wake", &ConfigData::Wake, 0, 1, 4 },
    { "Config/SensorMode", &ConfigData::SensorMode, SensorModeMin, SensorModeMax, 5 },
    { "Config/Sync", &ConfigData::Sync, 0, 1, 6 },
};

} // namespace

void SetFactorySensorSettings(ConfigData &config)
{
    // Without a product definition: lift, angle, butondelay, jitter, wake, sensormode, sync.
    quint8 product[7] = { 0, 0, 20, 0, 0, 1, 0 };
    SensorDefaults(product);
    for (const Setting &s : settings)
        config.*s.field = quint8(qBound(s.min, int(product[s.product]), s.max));
}

void ReadSensorSettings(const std::function<QVariant(const QString &key)> &stored, ConfigData &config)
{
    std::optional<ConfigData> factory; // the product definition is read only when needed
    for (const Setting &s : settings) {
        bool isNumber = false;
        // Checked before it is cut to a byte: 257 is no lift of 1 mm.
        const qlonglong value = stored(QLatin1String(s.key)).toLongLong(&isNumber);
        if (isNumber && value >= s.min && value <= s.max) {
            config.*s.field = quint8(value);
            continue;
        }
        if (!factory) {
            factory.emplace();
            SetFactorySensorSettings(*factory);
        }
        config.*s.field = (*factory).*s.field;
    }
}

bool AddMissingSensorSettings(const QString &path)
{
    ConfigData factory;
    SetFactorySensorSettings(factory);
    return EditIniDocument(path, [&](IniDocument &file) {
        bool changed = false;
        for (const Setting &s : settings) {
            const QString key = QLatin1String(s.key);
            if (file.value(key).isValid())
                continue;
            file.setValue(key, int(factory.*s.field));
            changed = true;
        }
        return changed;
    });
}
