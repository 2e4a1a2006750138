#include "storage/ProfileKeys.h"

#include "storage/ConfigData.h"
#include "storage/IniDocument.h"
#include "storage/IniText.h"
#include "storage/StoredColour.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

enum ButtonField { ID, Fun, LoopNumber, KeyNumber, Res1, Res2, Res3, Res4, MacroName, ButtonFields };
enum EffectField { RGB, Hue, Sat, Val, Bright, Breath, EffectFields };
enum StageField { Used, Link, XY, X, Y, StageFields };

// The key names below the section but those of the key slots, built once.
struct KeyNames
{
    QString stage[DpiStageSlots][StageFields];
    QString button[ButtonSlots][ButtonFields];
    QString effect[LedModeSlots][EffectFields];

    KeyNames()
    {
        static const char *const stageSuffix[StageFields] = { "used", "link", "xy", "x", "y" };
        static const char *const buttonSuffix[ButtonFields]
            = { "ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname" };
        static const char *const effectSuffix[EffectFields] = { "RGB", "h", "s", "v", "bright", "breath" };

        for (int i = 0; i < DpiStageSlots; ++i)
            for (int f = 0; f < StageFields; ++f)
                stage[i][f] = QStringLiteral("DPI_INFO_%1_%2").arg(i).arg(QLatin1String(stageSuffix[f]));
        for (int b = 0; b < ButtonSlots; ++b) {
            const QString prefix = QStringLiteral("BUTTON_INFO_%1_").arg(b);
            for (int f = 0; f < ButtonFields; ++f)
                button[b][f] = prefix + QLatin1String(buttonSuffix[f]);
        }
        for (int m = 0; m < LedModeSlots; ++m)
            for (int f = 0; f < EffectFields; ++f)
                effect[m][f]
                    = QStringLiteral("LedMode/LED_MODE_%1_%2").arg(m).arg(QLatin1String(effectSuffix[f]));
    }
};

const KeyNames &keyNames()
{
    static const KeyNames names;
    return names;
}

// The names of one button's key slots (7938 in all), made in place in one string rather than kept.
class KeyInfoName
{
public:
    explicit KeyInfoName(int button)
        : m_name(QStringLiteral("BUTTON_INFO_%1_KeyInfo_").arg(button))
        , m_prefixSize(m_name.size())
    {
        m_name.reserve(m_prefixSize + 8);
    }

    // The name of field `field` (0 map, 1 L, 2 H) of slot `slot`.
    const QString &of(int slot, int field)
    {
        // The L byte's key really ends in "_": files written elsewhere use it.
        static const char *const suffix[3] = { "map", "", "H" };
        m_name.truncate(m_prefixSize);
        if (slot >= 10)
            m_name += QLatin1Char(char('0' + slot / 10));
        m_name += QLatin1Char(char('0' + slot % 10));
        m_name += QLatin1Char('_');
        m_name += QLatin1String(suffix[field]);
        return m_name;
    }

private:
    QString m_name;
    int m_prefixSize;
};
static_assert(KeyInfoSlots <= 100, "slot numbers of two digits at most");

const QString pollrateKey = QStringLiteral("pollrate");
const QString dpiKey = QStringLiteral("dpi");
const QString pointerKeys[6]
    = { QStringLiteral("mousespeed"),  QStringLiteral("dbclickspeed"), QStringLiteral("scrollispage"),
        QStringLiteral("scrollspeed"), QStringLiteral("accelenable"),  QStringLiteral("acee") };
const QString profileNameKey = QStringLiteral("ProfileName");
const QString profilePathKey = QStringLiteral("ProfilePath");
const QString ledModeKey = QStringLiteral("LedMode");
const QString ledMoveOffKey = QStringLiteral("LedMoveOFF");
const QString ledSleepTimeKey = QStringLiteral("LedSleepTime");

// A missing key gives `missing`; anything that is not a number gives 0.
qint64 number(const QSettings &file, const QString &key, qint64 missing = 0)
{
    const QVariant value = file.value(key);
    return value.isValid() ? value.toLongLong() : missing;
}

qint64 number(const IniDocument &file, const QString &key, qint64 missing = 0)
{
    return file.number(key, missing);
}

template<class File> quint8 byteValue(const File &file, const QString &key, qint64 missing = 0)
{
    return static_cast<quint8>(number(file, key, missing));
}

template<class File> qint32 intValue(const File &file, const QString &key)
{
    return static_cast<qint32>(static_cast<quint32>(number(file, key)));
}

template<class File> QString text(const File &file, const QString &key)
{
    // An unquoted value with commas comes back from the INI reader as a list.
    const QVariant value = file.value(key);
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

template<class File>
void WriteProfileKeys(File &file, const QString &section, const ProfileData &p, SleepKeys sleepKeys)
{
    const KeyNames &names = keyNames();
    file.beginGroup(section);
    file.setValue(pollrateKey, int(p.pollrate));
    file.setValue(dpiKey, int(p.dpi));
    for (int i = 0; i < DpiStageSlots; ++i) {
        const DpiStage &s = p.stages[i];
        file.setValue(names.stage[i][Used], int(s.used));
        file.setValue(names.stage[i][Link], int(s.link));
        file.setValue(names.stage[i][XY], s.xy);
        file.setValue(names.stage[i][X], s.x);
        file.setValue(names.stage[i][Y], s.y);
    }
    const quint8 pointer[6]
        = { p.mousespeed, p.dbclickspeed, p.scrollispage, p.scrollspeed, p.accelenable, p.acee };
    for (int n = 0; n < 6; ++n)
        file.setValue(pointerKeys[n], int(pointer[n]));
    for (int b = 0; b < ButtonSlots; ++b) {
        const ButtonInfo &button = p.buttons[b];
        const QString *key = names.button[b];
        file.setValue(key[ID], button.ID);
        file.setValue(key[Fun], button.Fun);
        file.setValue(key[LoopNumber], button.LoopNumber);
        file.setValue(key[KeyNumber], button.KeyNumber);
        file.setValue(key[Res1], int(button.Res1));
        file.setValue(key[Res2], int(button.Res2));
        file.setValue(key[Res3], int(button.Res3));
        file.setValue(key[Res4], int(button.Res4));
        file.setValue(key[MacroName], button.macroname);
        KeyInfoName keyInfo(b);
        for (int k = 0; k < KeyInfoSlots; ++k) {
            file.setValue(keyInfo.of(k, 0), int(button.KeyInfo[k].map));
            file.setValue(keyInfo.of(k, 1), int(button.KeyInfo[k].L));
            file.setValue(keyInfo.of(k, 2), int(button.KeyInfo[k].H));
        }
    }
    file.setValue(profileNameKey, p.ProfileName);
    file.setValue(profilePathKey, p.ProfilePath);
    file.setValue(ledModeKey, int(p.LedMode));
    if (sleepKeys == SleepKeys::Included) {
        file.setValue(ledMoveOffKey, int(p.LedMoveOFF));
        file.setValue(ledSleepTimeKey, int(p.LedSleepTime));
    }
    for (int m = 0; m < LedModeSlots; ++m) {
        const LedModeInfo &e = p.ledModes[m];
        file.setValue(names.effect[m][RGB], e.RGB);
        file.setValue(names.effect[m][Hue], e.h);
        file.setValue(names.effect[m][Sat], e.s);
        file.setValue(names.effect[m][Val], e.v);
        file.setValue(names.effect[m][Bright], e.bright);
        file.setValue(names.effect[m][Breath], e.breath);
    }
    file.endGroup();
}

template<class File>
void ReadProfileKeys(File &file, const QString &section, ProfileData &p, SleepKeys sleepKeys)
{
    const KeyNames &names = keyNames();
    file.beginGroup(section);
    p.pollrate = byteValue(file, pollrateKey);
    p.dpi = byteValue(file, dpiKey);
    for (int i = 0; i < DpiStageSlots; ++i) {
        DpiStage &s = p.stages[i];
        s.used = byteValue(file, names.stage[i][Used]);
        s.link = byteValue(file, names.stage[i][Link]);
        s.xy = static_cast<quint32>(number(file, names.stage[i][XY]));
        s.x = static_cast<quint32>(number(file, names.stage[i][X]));
        s.y = static_cast<quint32>(number(file, names.stage[i][Y]));
    }
    quint8 *const pointer[6]
        = { &p.mousespeed, &p.dbclickspeed, &p.scrollispage, &p.scrollspeed, &p.accelenable, &p.acee };
    for (int n = 0; n < 6; ++n)
        *pointer[n] = byteValue(file, pointerKeys[n]);
    for (int b = 0; b < ButtonSlots; ++b) {
        ButtonInfo &button = p.buttons[b];
        const QString *key = names.button[b];
        button.ID = intValue(file, key[ID]);
        button.Fun = intValue(file, key[Fun]);
        button.LoopNumber = intValue(file, key[LoopNumber]);
        button.KeyNumber = intValue(file, key[KeyNumber]);
        button.Res1 = byteValue(file, key[Res1]);
        button.Res2 = byteValue(file, key[Res2]);
        button.Res3 = byteValue(file, key[Res3]);
        button.Res4 = byteValue(file, key[Res4]);
        button.macroname = text(file, key[MacroName]);
        KeyInfoName keyInfo(b);
        for (int k = 0; k < KeyInfoSlots; ++k) {
            button.KeyInfo[k].map = byteValue(file, keyInfo.of(k, 0));
            button.KeyInfo[k].L = byteValue(file, keyInfo.of(k, 1));
            button.KeyInfo[k].H = byteValue(file, keyInfo.of(k, 2));
        }
    }
    p.ProfileName = text(file, profileNameKey);
    p.ProfilePath = text(file, profilePathKey);
    p.LedMode = byteValue(file, ledModeKey);
    if (sleepKeys == SleepKeys::Included) {
        p.LedMoveOFF = byteValue(file, ledMoveOffKey, 255);
        p.LedSleepTime = byteValue(file, ledSleepTimeKey, 1);
    }
    for (int m = 0; m < LedModeSlots; ++m) {
        LedModeInfo &e = p.ledModes[m];
        e.RGB = StoredColour(file.value(names.effect[m][RGB]));
        e.h = intValue(file, names.effect[m][Hue]);
        e.s = intValue(file, names.effect[m][Sat]);
        e.v = intValue(file, names.effect[m][Val]);
        e.bright = intValue(file, names.effect[m][Bright]);
        e.breath = intValue(file, names.effect[m][Breath]);
    }
    file.endGroup();
}

template void WriteProfileKeys(QSettings &, const QString &, const ProfileData &, SleepKeys);
template void WriteProfileKeys(IniDocument &, const QString &, const ProfileData &, SleepKeys);
template void ReadProfileKeys(QSettings &, const QString &, ProfileData &, SleepKeys);
template void ReadProfileKeys(IniDocument &, const QString &, ProfileData &, SleepKeys);

namespace {

// Takes down what the profile writer sets, in the order it sets it.
struct KeyRecorder
{
    std::vector<QString> keys;
    std::vector<QVariant> values;
    bool withKeys = false;

    void beginGroup(const QString &) { }
    void endGroup() { }
    void setValue(const QString &key, const QVariant &value)
    {
        if (withKeys)
            keys.push_back(key);
        values.push_back(value);
    }
};

// The profile keys in the order the INI writer emits them (by name): for each, its index in the order
// the profile writer sets them, and its name as written in a file. Neighbours in that order share most
// of their name, so each name is kept as the length it shares with the one before (one byte) and the
// rest (its length in two bytes, then the bytes): a tenth of the names in full.
struct FileOrder
{
    std::vector<quint16> order;
    QByteArray sharedNames;

    FileOrder()
    {
        KeyRecorder recorder;
        recorder.withKeys = true;
        WriteProfileKeys(recorder, QString(), ProfileData(), SleepKeys::Included);
        std::vector<int> sorted(recorder.keys.size());
        std::iota(sorted.begin(), sorted.end(), 0);
        std::sort(sorted.begin(), sorted.end(), [&](int a, int b) { return recorder.keys[a] < recorder.keys[b]; });
        order.assign(sorted.begin(), sorted.end());
        QByteArray previous;
        QByteArray name;
        for (const int i : sorted) {
            name.clear();
            IniText::appendKey(recorder.keys[size_t(i)], name);
            int shared = 0;
            const int most = qMin(qMin(name.size(), previous.size()), 255);
            while (shared < most && name[shared] == previous[shared])
                ++shared;
            const int rest = name.size() - shared;
            sharedNames += char(shared);
            sharedNames += char(rest & 0xFF);
            sharedNames += char(rest >> 8);
            sharedNames.append(name.constData() + shared, rest);
            previous.swap(name);
        }
        sharedNames.squeeze();
    }
};
static_assert(ButtonSlots * KeyInfoSlots * 3 < 0xFFFF, "the key indexes fit in 16 bits");

const FileOrder &fileOrder()
{
    static const FileOrder order;
    return order;
}

// Reads the names of a FileOrder one after the other.
class NameWalk
{
public:
    explicit NameWalk(const FileOrder &order)
        : m_data(order.sharedNames.constData())
    { }

    // The next name as written in a file.
    const QByteArray &next()
    {
        const int shared = quint8(m_data[0]);
        const int rest = quint8(m_data[1]) | quint8(m_data[2]) << 8;
        m_name.truncate(shared);
        m_name.append(m_data + 3, rest);
        m_data += 3 + rest;
        return m_name;
    }

private:
    const char *m_data;
    QByteArray m_name;
};

} // namespace

QByteArray ProfileFileText(const ProfileData &profile)
{
    const FileOrder &order = fileOrder();
    KeyRecorder recorder;
    recorder.values.reserve(order.order.size());
    WriteProfileKeys(recorder, QString(), profile, SleepKeys::Included);
    QByteArray text("[PROFILE]\n");
    text.reserve(256 * 1024);
    NameWalk names(order);
    for (const int i : order.order) {
        text += names.next();
        text += '=';
        const QVariant &value = recorder.values[size_t(i)];
        if (value.userType() == QMetaType::Int)
            text += QByteArray::number(value.toInt());
        else
            IniText::appendValue(value, text, nullptr);
        text += '\n';
    }
    return text;
}

bool IsProfileFileText(const QByteArray &text)
{
    static const QByteArray header("[PROFILE]\n");
    if (!text.startsWith(header) || !text.endsWith('\n'))
        return false;
    const FileOrder &order = fileOrder();
    const char *data = text.constData();
    int pos = header.size();
    NameWalk names(order);
    for (size_t n = 0; n < order.order.size(); ++n) {
        const QByteArray &key = names.next();
        const int keySize = key.size();
        if (pos + keySize >= text.size() || std::memcmp(data + pos, key.constData(), size_t(keySize)) != 0
            || data[pos + keySize] != '=')
            return false;
        const char *end = static_cast<const char *>(std::memchr(data + pos, '\n', size_t(text.size() - pos)));
        if (!end)
            return false;
        pos = int(end - data) + 1;
    }
    return pos == text.size();
}
