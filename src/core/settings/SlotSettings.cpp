#include "core/settings/SlotSettings.h"

#include "core/settings/ButtonAssignment.h"
#include "core/settings/ButtonText.h"
#include "core/settings/DpiScale.h"
#include "core/settings/LightingEffects.h"
#include "core/settings/SettingRanges.h"
#include "core/settings/SlotLayout.h"
#include "storage/UploadSlots.h"
#include "core/settings/SlotSetter.h"

#include <QColor>
#include <QJsonArray>
#include <QRegularExpression>

#include <climits>

using namespace SlotLayout;

namespace SlotSettings {
namespace {

QString effectName(int effect)
{
    return QString::fromLatin1(LightingEffectName(effect));
}

QJsonValue rateValue(int code)
{
    const int hz = ReportRateHz(code);
    return hz ? QJsonValue(hz) : QJsonValue(QStringLiteral("code:%1").arg(code));
}

QStringList boundMacros(const ProfileData &profile)
{
    QStringList names;
    for (const ButtonInfo &button : profile.buttons) {
        if (HoldsMacro(button) && !button.macroname.isEmpty() && !names.contains(button.macroname))
            names << button.macroname;
    }
    return names;
}

} // namespace

QVector<Value> read(const ConfigData &source, int slot, const Product &product)
{
    // The lighting rules edit through a reference; reading works on a copy.
    ConfigData config = source;
    slot = qBound(0, slot, ProfileSlots - 1);
    const ProfileData &profile = config.profiles[slot];
    QVector<Value> values;
    const auto add = [&values](const QString &key, const QJsonValue &value) {
        values.append({ key, value });
    };

    const DpiScale scale(product.sensor);
    add(QStringLiteral("dpi.stage"), int(profile.dpi) + 1);
    for (int i = 0; i < stageCount(product); ++i) {
        const DpiStage &stage = profile.stages[i];
        const QString key = QStringLiteral("dpi.%1").arg(i + 1);
        add(key, scale.dpiOf(int(qMin<quint32>(stage.y, INT_MAX))));
        add(key + QStringLiteral(".x"), scale.dpiOf(int(qMin<quint32>(stage.x, INT_MAX))));
        add(key + QStringLiteral(".y"), scale.dpiOf(int(qMin<quint32>(stage.y, INT_MAX))));
        add(key + QStringLiteral(".enabled"), stage.used != 0);
        add(key + QStringLiteral(".link"), stage.link != 0);
    }
    const QVector<int> shown = shownButtons(product);
    for (int i = 0; i < shown.size(); ++i)
        add(QStringLiteral("button.%1").arg(i + 1), ButtonText(profile.buttons[shown.at(i)]));
    add(QStringLiteral("wheel.up"), ButtonText(profile.buttons[WheelUpRecord]));
    add(QStringLiteral("wheel.down"), ButtonText(profile.buttons[WheelDownRecord]));

    LightingEditor lighting;
    lighting.attach(config, LightingSlotIndex(slot, product.name));
    add(QStringLiteral("lighting.effect"), effectName(lighting.effect()));
    add(QStringLiteral("lighting.colour"),
        lighting.colour().isValid() ? lighting.colour().name() : QString());
    add(QStringLiteral("lighting.brightness"), lighting.brightness());
    add(QStringLiteral("lighting.speed"), lighting.speed());
    add(QStringLiteral("lighting.sleep"), lighting.sleepTime());
    add(QStringLiteral("lighting.off-on-move"), lighting.moveOff() == 0);

    add(QStringLiteral("rate"), rateValue(profile.pollrate));
    add(QStringLiteral("lift"), int(config.LiftHigh));
    add(QStringLiteral("sensor.key-response"), int(config.Debounce));
    if (syncOffered(product))
        add(QStringLiteral("sensor.sync"), config.Sync == 1);
    if (filtersOffered(product)) {
        add(QStringLiteral("sensor.angle-snapping"), config.AngleValue == 0);
        add(QStringLiteral("sensor.jitter"), config.Jitter == 0);
    }
    add(QStringLiteral("sensor.motion-wake"), config.Wake == 0);
    add(QStringLiteral("sensor.mode"),
        config.SensorMode < 3 ? sensorModeName(config.SensorMode)
                              : QStringLiteral("code:%1").arg(config.SensorMode));
    add(QStringLiteral("scroll.speed"), int(profile.scrollspeed));
    add(QStringLiteral("pointer.speed"), int(profile.mousespeed));
    add(QStringLiteral("macros"), QJsonArray::fromStringList(boundMacros(profile)));
    return values;
}

QJsonObject toJson(const ConfigData &config, int slot, const Product &product)
{
    QJsonObject object;
    for (const Value &value : read(config, slot, product))
        object.insert(value.key, value.value);
    return object;
}

QString text(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    case QJsonValue::Double:
        return QString::number(value.toInt());
    case QJsonValue::Array: {
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items << item.toString();
        return items.join(QStringLiteral(", "));
    }
    default:
        return value.toString();
    }
}

QStringList keys(const Product &product)
{
    QStringList names;
    for (const Value &value : read(ConfigData(), 0, product))
        names << value.key;
    return names;
}

QVector<LocalKey> keptOnComputer()
{
    return {
        { "dpi.N.link", "whether the DPI page moves X and Y together; the mouse receives the two resolutions" },
        { "pointer.speed", "the desktop's pointer speed, set on this computer while the slot is current" },
        { "macros", "read-only: the macros the slot's buttons hold, sent with the buttons" },
    };
}

bool isKeptOnComputer(const QString &key)
{
    static const QRegularExpression stage(QStringLiteral("^dpi\\.[0-9]+\\."));
    const QString pattern = QString(key).replace(stage, QStringLiteral("dpi.N."));
    for (const LocalKey &local : keptOnComputer()) {
        if (pattern == QLatin1String(local.pattern))
            return true;
    }
    return false;
}

SetResult set(ConfigData &config, int slot, const QString &key, const QStringList &values,
              const Product &product)
{
    SetResult result;
    if (slot < 0 || slot >= ProfileSlots) {
        result.error
            = QStringLiteral("slot %1 does not exist; slots are 1 to %2").arg(slot + 1).arg(ProfileSlots);
        return result;
    }
    ConfigData edited = config;
    result.error
        = SetSlotSetting(edited, slot, key.trimmed(), values.join(QLatin1Char(' ')).trimmed(), product);
    result.ok = result.error.isEmpty();
    if (result.ok)
        config = edited;
    return result;
}

} // namespace SlotSettings
