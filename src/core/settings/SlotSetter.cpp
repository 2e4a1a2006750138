#include "core/settings/SlotSetter.h"

#include "core/settings/ButtonText.h"
#include "core/settings/DpiScale.h"
#include "core/settings/LightingEffects.h"
#include "core/settings/SettingRanges.h"
#include "core/settings/SlotLayout.h"
#include "storage/UploadSlots.h"
#include "storage/Product.h"

#include <QColor>
#include <QRegularExpression>
#include <QStringList>

using namespace SlotLayout;

namespace {

QString effectName(int effect)
{
    return QString::fromLatin1(LightingEffectName(effect));
}

QString offeredRates()
{
    QStringList rates;
    for (const quint8 code : ReportRateCodes)
        rates << QString::number(ReportRateHz(code));
    return rates.join(QStringLiteral(", "));
}

// Values read from text.

bool readSwitch(const QString &text, bool &on)
{
    const QString t = text.toLower();
    if (t == QLatin1String("on") || t == QLatin1String("true") || t == QLatin1String("yes")
        || t == QLatin1String("1"))
        on = true;
    else if (t == QLatin1String("off") || t == QLatin1String("false") || t == QLatin1String("no")
             || t == QLatin1String("0"))
        on = false;
    else
        return false;
    return true;
}

bool readNumber(const QString &text, int minimum, int maximum, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= minimum && value <= maximum;
}

QString rangeText(int minimum, int maximum)
{
    return QStringLiteral("%1 to %2").arg(minimum).arg(maximum);
}

class Setter
{
public:
    Setter(ConfigData &config, int slot, const QString &key, const QString &value, const Product &product)
        : m_config(config)
        , m_profile(config.profiles[slot])
        , m_slot(slot)
        , m_key(key)
        , m_value(value)
        , m_product(product)
    { }

    // Empty when stored, else the refusal.
    QString run();

private:
    QString refuse(const QString &allowed) const
    {
        return QStringLiteral("%1: '%2' is refused; allowed: %3").arg(m_key, m_value, allowed);
    }
    QString setSwitch(quint8 &field, quint8 onValue, quint8 offValue);
    QString setNumber(quint8 &field, int minimum, int maximum);
    QString setStage(int stage, const QString &part);
    // False for a part that names no setting; `error` is then untouched.
    bool setLighting(const QString &part, QString &error);
    bool setSensor(const QString &part, QString &error);

    ConfigData &m_config;
    ProfileData &m_profile;
    int m_slot;
    QString m_key;
    QString m_value;
    const Product &m_product;
};

QString Setter::setSwitch(quint8 &field, quint8 onValue, quint8 offValue)
{
    bool on = false;
    if (!readSwitch(m_value, on))
        return refuse(QStringLiteral("on, off"));
    field = on ? onValue : offValue;
    return QString();
}

QString Setter::setNumber(quint8 &field, int minimum, int maximum)
{
    int value = 0;
    if (!readNumber(m_value, minimum, maximum, value))
        return refuse(rangeText(minimum, maximum));
    field = quint8(value);
    return QString();
}

QString Setter::setStage(int stage, const QString &part)
{
    DpiStage &target = m_profile.stages[stage];
    if (part == QLatin1String("enabled"))
        return setSwitch(target.used, 1, 0);
    const DpiScale scale(m_product.sensor);
    if (part == QLatin1String("link")) {
        if (!scale.linkOffered())
            return QStringLiteral("%1: this mouse's sensor keeps X and Y together").arg(m_key);
        bool on = false;
        if (!readSwitch(m_value, on))
            return refuse(QStringLiteral("on, off"));
        target.link = on ? 1 : 0;
        // Linked axes share one resolution: Y takes X's, as on the DPI page.
        if (on)
            target.y = target.x;
        return QString();
    }
    if (!scale.known())
        return QStringLiteral("%1: the resolutions of this mouse's sensor (%2) are unknown")
            .arg(m_key)
            .arg(m_product.sensorCode);
    bool ok = false;
    const int dpi = m_value.toInt(&ok);
    const int code = ok ? scale.codeOf(dpi) : -1;
    if (code < 0)
        return refuse(scale.describe(ok ? dpi : 0));
    if (part.isEmpty()) {
        target.x = target.y = quint32(code);
    } else {
        // Where the page offers no link switch, a linked stage has one slider only.
        if (!scale.linkOffered() && target.link)
            return QStringLiteral("%1: this mouse's sensor keeps X and Y together; set %2")
                .arg(m_key, m_key.section(QLatin1Char('.'), 0, 1));
        // One axis alone: the stage is no longer linked.
        (part == QLatin1String("x") ? target.x : target.y) = quint32(code);
        target.link = 0;
    }
    return QString();
}

// The effects of the menu that show a control, by name.
QString effectsWith(bool LightingControls::*control)
{
    QStringList names;
    for (int effect : LightingMenuOrder()) {
        if (LightingControlsOf(effect).*control)
            names << effectName(effect);
    }
    return names.join(QStringLiteral(", "));
}

bool Setter::setLighting(const QString &part, QString &error)
{
    LightingEditor editor;
    editor.attach(m_config, LightingSlotIndex(m_slot, m_product.name));
    // A value the current effect does not show would reach no byte the mouse uses.
    const LightingControls shown = LightingControlsOf(editor.effect());
    const auto lacks = [&](bool LightingControls::*control, const char *what) {
        if (shown.*control)
            return false;
        error = QStringLiteral("%1: the effect %2 has no %3; effects with one: %4")
                    .arg(m_key, effectName(editor.effect()), QLatin1String(what), effectsWith(control));
        return true;
    };
    int number = 0;
    if (part == QLatin1String("effect")) {
        QStringList names;
        for (int effect : LightingMenuOrder()) {
            names << effectName(effect);
            if (effectName(effect).compare(m_value, Qt::CaseInsensitive) == 0) {
                editor.chooseEffect(effect);
                return true;
            }
        }
        error = refuse(names.join(QStringLiteral(", ")));
        return true;
    }
    if (part == QLatin1String("colour") || part == QLatin1String("color")) {
        if (lacks(&LightingControls::colour, "colour"))
            return true;
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!hex.match(m_value).hasMatch()) {
            error = refuse(QStringLiteral("#rrggbb, such as #ff8800"));
            return true;
        }
        editor.setColour(QColor(m_value));
        return true;
    }
    if (part == QLatin1String("brightness")) {
        if (lacks(&LightingControls::brightness, "brightness"))
            return true;
        if (!readNumber(m_value, LightingBrightnessMin, LightingBrightnessMax, number)) {
            error = refuse(rangeText(LightingBrightnessMin, LightingBrightnessMax));
            return true;
        }
        editor.setBrightness(number);
        return true;
    }
    if (part == QLatin1String("speed")) {
        if (lacks(&LightingControls::speed, "speed"))
            return true;
        if (!readNumber(m_value, LightingSpeedMin, LightingSpeedMax, number)) {
            error = refuse(rangeText(LightingSpeedMin, LightingSpeedMax));
            return true;
        }
        editor.setSpeed(number);
        return true;
    }
    if (part == QLatin1String("sleep")) {
        const int minimum = m_product.sleepMin, maximum = m_product.sleepMax;
        if (!readNumber(m_value, minimum, maximum, number)) {
            error = refuse(rangeText(minimum, maximum));
            return true;
        }
        editor.setSleepTime(number);
        return true;
    }
    if (part == QLatin1String("off-on-move")) {
        bool on = false;
        if (!readSwitch(m_value, on)) {
            error = refuse(QStringLiteral("on, off"));
            return true;
        }
        editor.setMoveOffChecked(on);
        return true;
    }
    return false;
}

bool Setter::setSensor(const QString &part, QString &error)
{
    if (part == QLatin1String("key-response")) {
        error = setNumber(m_config.Debounce, KeyResponseMin, KeyResponseMax);
        return true;
    }
    if (part == QLatin1String("motion-wake")) {
        error = setSwitch(m_config.Wake, 0, 1);
        return true;
    }
    if (part == QLatin1String("sync") && syncOffered(m_product)) {
        error = setSwitch(m_config.Sync, 1, 0);
        return true;
    }
    // The two filters are on when stored as 0.
    if (part == QLatin1String("angle-snapping") && filtersOffered(m_product)) {
        error = setSwitch(m_config.AngleValue, 0, 1);
        return true;
    }
    if (part == QLatin1String("jitter") && filtersOffered(m_product)) {
        error = setSwitch(m_config.Jitter, 0, 1);
        return true;
    }
    if (part == QLatin1String("mode")) {
        for (int mode = 0; mode < 3; ++mode) {
            if (m_value.compare(sensorModeName(mode), Qt::CaseInsensitive) == 0) {
                m_config.SensorMode = quint8(mode);
                return true;
            }
        }
        error = refuse(QStringLiteral("eco, standard, competitive"));
        return true;
    }
    return false;
}

QString Setter::run()
{
    const QStringList parts = m_key.split(QLatin1Char('.'));
    const QString head = parts.first();
    const QString rest = m_key.section(QLatin1Char('.'), 1);
    bool isNumber = false;
    const int index = parts.value(1).toInt(&isNumber);

    if (m_key == QLatin1String("dpi.stage")) {
        int stage = 0;
        if (!readNumber(m_value, 1, stageCount(m_product), stage))
            return refuse(rangeText(1, stageCount(m_product)));
        m_profile.dpi = quint8(stage - 1);
        return QString();
    }
    if (head == QLatin1String("dpi") && isNumber && index >= 1 && index <= stageCount(m_product)
        && parts.size() <= 3) {
        const QString part = parts.value(2);
        if (part.isEmpty() || part == QLatin1String("x") || part == QLatin1String("y")
            || part == QLatin1String("enabled") || part == QLatin1String("link"))
            return setStage(index - 1, part);
    }
    if (head == QLatin1String("dpi") && isNumber)
        return QStringLiteral("%1: this mouse has DPI stages 1 to %2, each with .x, .y, .enabled and .link")
            .arg(m_key)
            .arg(stageCount(m_product));
    if (head == QLatin1String("button") && isNumber && parts.size() == 2) {
        const QVector<int> shown = shownButtons(m_product);
        if (index < 1 || index > shown.size())
            return QStringLiteral("%1: this mouse has buttons 1 to %2").arg(m_key).arg(shown.size());
        const QString error = StoreButtonText(m_profile, shown.at(index - 1), ButtonPlace::Button, m_value, m_product);
        return error.isEmpty() ? error : m_key + QStringLiteral(": ") + error;
    }
    if (m_key == QLatin1String("wheel.up") || m_key == QLatin1String("wheel.down")) {
        const int record = m_key == QLatin1String("wheel.up") ? WheelUpRecord : WheelDownRecord;
        const QString error = StoreButtonText(m_profile, record, ButtonPlace::Wheel, m_value, m_product);
        return error.isEmpty() ? error : m_key + QStringLiteral(": ") + error;
    }
    QString error;
    if (head == QLatin1String("lighting") && parts.size() == 2 && setLighting(rest, error))
        return error;
    if (head == QLatin1String("sensor") && parts.size() == 2 && setSensor(rest, error))
        return error;
    if (m_key == QLatin1String("rate")) {
        for (const quint8 code : ReportRateCodes) {
            if (m_value == QString::number(ReportRateHz(code))) {
                m_profile.pollrate = code;
                return QString();
            }
        }
        return refuse(offeredRates());
    }
    if (m_key == QLatin1String("lift"))
        return setNumber(m_config.LiftHigh, LiftMin, LiftMax);
    if (m_key == QLatin1String("scroll.speed"))
        return setNumber(m_profile.scrollspeed, ScrollSpeedMin, ScrollSpeedMax);
    if (m_key == QLatin1String("pointer.speed"))
        return setNumber(m_profile.mousespeed, PointerSpeedMin, PointerSpeedMax);
    if (m_key == QLatin1String("macros"))
        return QStringLiteral("macros: read-only; bind a macro with button.N macro:NAME");
    return QStringLiteral("unknown key '%1' (mousecfg-cli get lists the keys)").arg(m_key);
}

} // namespace

QString SetSlotSetting(ConfigData &config, int slot, const QString &key, const QString &value,
                       const Product &product)
{
    return Setter(config, slot, key, value, product).run();
}
