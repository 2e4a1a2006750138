#include "core/settings/ButtonText.h"

#include "core/settings/ButtonAssignment.h"
#include "core/settings/ButtonCatalogue.h"
#include "storage/KeyTable.h"
#include "storage/MacroList.h"
#include "storage/Product.h"

#include <QStringList>

namespace {

const QString KeyPrefix = QStringLiteral("key:");
const QString ComboPrefix = QStringLiteral("combo:");
const QString FirePrefix = QStringLiteral("fire:");
const QString MacroPrefix = QStringLiteral("macro:");

QString entryText(const CatalogueEntry &entry)
{
    const char *title = CatalogueMenuTitle(entry.menu);
    const QString name = QString::fromLatin1(entry.text);
    return title ? QString::fromLatin1(title) + QLatin1Char('/') + name : name;
}

// Short names people type for the modifiers, beside the key table's own names.
int modifierAlias(const QString &name)
{
    static const struct
    {
        const char *name;
        int code;
    } aliases[] = { { "Shift", 42 }, { "Ctrl", 29 }, { "Control", 29 }, { "Win", 91 },
                    { "Super", 91 }, { "Meta", 91 }, { "Alt", 56 } };
    for (const auto &alias : aliases) {
        if (name.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0)
            return alias.code;
    }
    return -1;
}

// The key code of a key name (any case) or a modifier's short name; -1 when none.
int keyCodeOf(const QString &name)
{
    for (int code = 1; code < 256; ++code) {
        const QString known = KeyName(code);
        if (!known.isEmpty() && known.compare(name, Qt::CaseInsensitive) == 0)
            return code;
    }
    return modifierAlias(name);
}

QString keyNameOf(int code)
{
    const QString name = KeyName(code);
    return name.isEmpty() ? QStringLiteral("#%1").arg(code) : name;
}

bool number(const QString &text, int minimum, int maximum, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && value >= minimum && value <= maximum;
}

QString fireText(const ButtonInfo &button)
{
    static const char *const kinds[] = { "left", "right", "middle" };
    const FireKeySetting setting = FireKeyOf(button);
    const QString kind = setting.kind == FireKeySetting::KeyboardKey
        ? keyNameOf(setting.keyCode)
        : QString::fromLatin1(kinds[setting.kind]);
    return FirePrefix + QStringLiteral("%1,%2,%3").arg(kind).arg(setting.times).arg(setting.delay);
}

QString macroText(const ButtonInfo &button)
{
    QString text = (button.Fun == FunGunFile ? QStringLiteral("gunfile:") : MacroPrefix) + button.macroname;
    if (button.Fun != FunMacro)
        return text;
    if (button.Res1 == 1)
        return text + QStringLiteral(",held");
    if (button.Res1 == 2)
        return text + QStringLiteral(",toggle");
    return button.LoopNumber > 1 ? text + QStringLiteral(",%1").arg(button.LoopNumber) : text;
}

QString comboText(const ButtonInfo &button)
{
    QStringList names;
    for (quint8 code : CombinationOf(button))
        names << keyNameOf(code);
    return ComboPrefix + names.join(QLatin1Char('+'));
}

// The plain function a text names: "Group/Name" or "Name", any case.
const CatalogueEntry *entryNamed(const QString &text)
{
    for (const CatalogueEntry &entry : Catalogue()) {
        if (entryText(entry).compare(text, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    // A name alone is enough where no other group uses it.
    const CatalogueEntry *found = nullptr;
    for (const CatalogueEntry &entry : Catalogue()) {
        if (QString::fromLatin1(entry.text).compare(text, Qt::CaseInsensitive) == 0) {
            if (found)
                return nullptr;
            found = &entry;
        }
    }
    return found;
}

bool offered(int fun, ButtonPlace place, const Product &product)
{
    if (place == ButtonPlace::Wheel)
        return WheelMenuCodes().contains(fun);
    return FunctionMenuOffers(fun, product.disableMacro == 0, product.ledDisable == 0);
}

QString offeredList(ButtonPlace place, const Product &product)
{
    QStringList names;
    for (const CatalogueEntry &entry : Catalogue()) {
        if (offered(entry.fun, place, product) && entry.source == ValueSource::None)
            names << entryText(entry);
    }
    for (const CatalogueEntry &entry : Catalogue()) {
        if (!offered(entry.fun, place, product))
            continue;
        if (entry.source == ValueSource::SingleKey)
            names << QStringLiteral("key:KEY");
        else if (entry.source == ValueSource::ComboKey)
            names << QStringLiteral("combo:KEY+KEY");
        else if (entry.source == ValueSource::FireKey)
            names << QStringLiteral("fire:left|right|middle|KEY[,TIMES[,DELAY]]");
        else if (entry.source == ValueSource::Macro)
            names << QStringLiteral("macro:NAME[,COUNT|held|toggle]");
    }
    return names.join(QStringLiteral(", "));
}

const char *const ComboForm
    = "a combination is each of Shift, Ctrl, Win and Alt at most once and at most one other key, "
      "joined by '+', such as combo:Ctrl+Shift+C";

// Refusal of a key the mouse has no keyboard code for (a mouse button's name, say).
QString notSendable(int code, const char *form)
{
    return QStringLiteral("'%1' has no keyboard code the mouse can send; %2")
        .arg(keyNameOf(code), QLatin1String(form));
}

QString storeCombo(ButtonInfo &button, const QString &value)
{
    ComboKeys keys;
    for (const QString &name : value.split(QLatin1Char('+'))) {
        const int code = keyCodeOf(name.trimmed());
        if (code < 0)
            return QStringLiteral("no key is named '%1'").arg(name.trimmed());
        keys << quint8(code);
    }
    // Stored in the order the dialog captures them, which is the order the mouse presses them.
    ComboKeys ordered;
    switch (CheckCombination(keys, ordered)) {
    case ComboCheck::Valid:
        break;
    case ComboCheck::NotSendable:
        for (quint8 code : keys) {
            if (!IsSendableKey(code))
                return notSendable(code, ComboForm);
        }
        return QLatin1String(ComboForm);
    default:
        return QLatin1String(ComboForm);
    }
    StoreCombination(button, ordered);
    return QString();
}

const char *const FireForm = "fire:left|right|middle|KEY[,TIMES[,DELAY]] with a keyboard KEY";

QString storeFire(ButtonInfo &button, const QString &value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    FireKeySetting setting;
    const QString kind = parts.first().trimmed();
    static const char *const kinds[] = { "left", "right", "middle" };
    setting.kind = FireKeySetting::KeyboardKey;
    for (int k = 0; k < 3; ++k) {
        if (kind.compare(QLatin1String(kinds[k]), Qt::CaseInsensitive) == 0)
            setting.kind = k;
    }
    if (setting.kind == FireKeySetting::KeyboardKey) {
        const int code = keyCodeOf(kind);
        if (code < 0)
            return QStringLiteral("no key is named '%1' (%2)").arg(kind, QLatin1String(FireForm));
        if (!IsSendableKey(quint8(code)))
            return notSendable(code, FireForm);
        setting.keyCode = quint8(code);
    }
    if (parts.size() > 3 || (parts.size() > 1 && !number(parts.at(1), 1, 255, setting.times))
        || (parts.size() > 2 && !number(parts.at(2), 1, 255, setting.delay)))
        return QStringLiteral("fire takes KIND[,TIMES[,DELAY]] with TIMES and DELAY from 1 to 255");
    if (!StoreFireKey(button, setting))
        return notSendable(setting.keyCode, FireForm);
    return QString();
}

// "NAME[,COUNT|held|toggle]": the name, and the repeat when the text after the last comma is one.
QString splitMacroValue(const QString &value, QString &name, int &loopCount, int &loopMode)
{
    name = value;
    loopCount = 1;
    loopMode = 0;
    const int comma = value.lastIndexOf(QLatin1Char(','));
    if (comma <= 0)
        return QString();
    const QString repeat = value.mid(comma + 1).trimmed();
    bool isCount = false;
    const int count = repeat.toInt(&isCount);
    if (repeat != QLatin1String("held") && repeat != QLatin1String("toggle") && !isCount)
        return QString();
    name = value.left(comma);
    loopMode = repeat == QLatin1String("held") ? 1 : repeat == QLatin1String("toggle") ? 2 : 0;
    if (isCount && (count < 1 || count > 255))
        return QStringLiteral("a macro repeats 1 to 255 times");
    loopCount = isCount ? count : 1;
    return QString();
}

QString storeMacro(ButtonInfo &button, const QString &value)
{
    QString name;
    int loopCount = 1;
    int loopMode = 0;
    const QString error = splitMacroValue(value, name, loopCount, loopMode);
    if (!error.isEmpty())
        return error;
    const QStringList stored = LoadMacroList();
    if (!stored.contains(name)) {
        return stored.isEmpty()
            ? QStringLiteral("no macro is stored (mousecfg-cli macro import FILE adds one)")
            : QStringLiteral("no macro is named '%1'; stored: %2")
                  .arg(name, stored.join(QStringLiteral(", ")));
    }
    StoreMacro(button, FunMacro, name, loopCount, loopMode);
    return QString();
}

} // namespace

QString ButtonText(const ButtonInfo &button)
{
    const CatalogueEntry *entry = CatalogueEntryOf(button.Fun);
    if (!entry)
        return QStringLiteral("code:%1").arg(button.Fun);
    switch (entry->source) {
    case ValueSource::SingleKey:
        return KeyPrefix + keyNameOf(button.Res1);
    case ValueSource::ComboKey:
        return comboText(button);
    case ValueSource::FireKey:
        return fireText(button);
    case ValueSource::Sniper:
        return QStringLiteral("sniper:%1").arg(button.Res1);
    case ValueSource::Macro:
    case ValueSource::GunFile:
        return macroText(button);
    case ValueSource::None:
        break;
    }
    return entryText(*entry);
}

QString StoreButtonText(ProfileData &profile, int record, ButtonPlace place, const QString &text,
                        const Product &product)
{
    int fun = -1;
    QString value;
    const struct
    {
        const QString &prefix;
        int fun;
    } prefixed[] = { { KeyPrefix, FunSingleKey },
                     { ComboPrefix, FunComboKey },
                     { FirePrefix, FunFireKey },
                     { MacroPrefix, FunMacro } };
    for (const auto &kind : prefixed) {
        if (text.startsWith(kind.prefix, Qt::CaseInsensitive)) {
            fun = kind.fun;
            value = text.mid(kind.prefix.size()).trimmed();
        }
    }
    if (fun < 0) {
        const CatalogueEntry *entry = entryNamed(text.trimmed());
        fun = entry && entry->source == ValueSource::None ? entry->fun : -1;
    }
    if (fun < 0 || !offered(fun, place, product))
        return QStringLiteral("'%1' is not offered here; allowed: %2").arg(text, offeredList(place, product));

    switch (CheckPick(profile, record, fun, MacroCount())) {
    case PickCheck::LastLeftClick:
        return QStringLiteral(
            "this button holds the only left click; give another button the left click first");
    case PickCheck::GunFileOnLeftButton:
    case PickCheck::NoMacros:
        if (fun == FunMacro)
            return QStringLiteral("no macro is stored (mousecfg-cli macro import FILE adds one)");
        return QStringLiteral("'%1' is not offered here").arg(text);
    case PickCheck::Allowed:
        break;
    }

    ButtonInfo button = profile.buttons[record];
    QString error;
    switch (fun) {
    case FunSingleKey: {
        const int code = keyCodeOf(value);
        if (code < 0)
            return QStringLiteral("no key is named '%1'").arg(value);
        // A key without a keyboard code would leave the button dead.
        if (!IsSendableKey(quint8(code)))
            return notSendable(code, "key:KEY takes a keyboard key, such as key:Home");
        StoreSingleKey(button, quint8(code));
        break;
    }
    case FunComboKey:
        error = storeCombo(button, value);
        break;
    case FunFireKey:
        error = storeFire(button, value);
        break;
    case FunMacro:
        error = storeMacro(button, value);
        break;
    default:
        button.Fun = fun;
        break;
    }
    if (error.isEmpty())
        profile.buttons[record] = button;
    return error;
}

QString BoundMacroName(const QString &text)
{
    if (!text.startsWith(MacroPrefix, Qt::CaseInsensitive))
        return QString();
    QString name;
    int loopCount = 1;
    int loopMode = 0;
    splitMacroValue(text.mid(MacroPrefix.size()).trimmed(), name, loopCount, loopMode);
    return name;
}
