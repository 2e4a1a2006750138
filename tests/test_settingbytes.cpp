#include "VirtualMouseLink.h"
#include "core/MouseOperations.h"
#include "core/settings/SlotSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"

#include <QJsonObject>
#include <QtTest>

#include <memory>

// Every setting a slot has (the window's, the command line's and D-Bus's through SlotSettings) either
// changes a byte of the next upload or is declared kept on this computer: a new setting that reaches
// nothing fails here.
class TestSettingBytes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everySettingReachesTheMouse_data();
    void everySettingReachesTheMouse();
    void keptKeysAreDocumented();

private:
    std::unique_ptr<VirtualMouseLink> m_link;
    // What each slot's factory settings upload as, once per slot.
    QHash<int, QList<QByteArray>> m_factoryUploads;
};

namespace {

// Values tried for a text setting until one is taken that differs from the current one.
const QStringList TextCandidates = {
    "Right", "Middle", "Left", "key:A", "Media/Volume Up", "OFF", "FULL LIGHTED", "RAINBOW",
    "#123456", "eco", "competitive", "standard", "125", "500", "1000",
};

ConfigData factoryConfig(int slot)
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    config.ProfileID = quint8(slot);
    return config;
}

// Tries nearby numbers, the other switch position or another text until set() takes one.
bool changeSetting(ConfigData &config, int slot, const QString &key)
{
    const QJsonValue current = SlotSettings::toJson(config, slot, Product::load()).value(key);
    QStringList tries;
    if (current.isBool()) {
        tries << (current.toBool() ? "off" : "on");
    } else {
        if (current.isDouble()) {
            for (int step : { 1, -1, 50, -50, 100, -100, 1000 })
                tries << QString::number(current.toInt() + step);
        }
        for (const QString &text : TextCandidates) {
            if (text != SlotSettings::text(current))
                tries << text;
        }
    }
    for (const QString &value : tries) {
        if (SlotSettings::set(config, slot, key, { value }, Product::load()).ok)
            return true;
    }
    return false;
}

} // namespace

void TestSettingBytes::initTestCase()
{
    m_link = std::make_unique<VirtualMouseLink>(true, false);
}

void TestSettingBytes::everySettingReachesTheMouse_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("key");
    for (int slot : { 0, 2 }) {
        for (const QString &key : SlotSettings::keys(Product::load()))
            QTest::addRow("slot %d %s", slot + 1, qPrintable(key)) << slot << key;
    }
}

void TestSettingBytes::everySettingReachesTheMouse()
{
    QFETCH(int, slot);
    QFETCH(QString, key);
    VirtualMouse &mouse = m_link->mouse;
    // What the mouse holds for the slot after a full upload of `config`.
    const auto uploaded = [&](const ConfigData &config) {
        const OperationResult result = MouseOperations::upload(m_link->session, config, true);
        return result.ok() ? QList<QByteArray> { mouse.memory(0x01), mouse.slotMemory(quint8(slot), 0x02),
                                                 mouse.slotMemory(quint8(slot), 0x03),
                                                 mouse.slotMemory(quint8(slot), 0x04), mouse.memory(0x05) }
                           : QList<QByteArray>();
    };

    const ConfigData before = factoryConfig(slot);
    if (!m_factoryUploads.contains(slot)) {
        m_factoryUploads.insert(slot, uploaded(before));
        QCOMPARE(mouse.onBoardSlot(), quint8(slot));
    }
    const QList<QByteArray> unchanged = m_factoryUploads.value(slot);
    QVERIFY(!unchanged.isEmpty());

    ConfigData changed = before;
    if (changeSetting(changed, slot, key)) {
        if (SlotSettings::isKeptOnComputer(key))
            return;
        QVERIFY2(changed != before, "set() reported success without a change");
        QVERIFY2(uploaded(changed) != unchanged, "the change reaches no byte of the upload");
        return;
    }
    if (SlotSettings::isKeptOnComputer(key))
        return;
    // Some values need another first: a lighting value needs an effect that shows it, and the last
    // left click can move only once another button clicks. The key's own change must then reach a
    // byte beyond what the first change sent.
    QStringList firsts;
    if (key.startsWith("lighting."))
        firsts = QStringList { "lighting.effect FULL LIGHTED", "lighting.effect BREATHING", "lighting.effect RAINBOW" };
    else if (key.startsWith("button."))
        firsts = QStringList { QStringLiteral("button.%1 Left").arg(key == "button.1" ? 2 : 1) };
    for (const QString &first : firsts) {
        ConfigData prepared = before;
        if (!SlotSettings::set(prepared, slot, first.section(' ', 0, 0), { first.section(' ', 1) }, Product::load()).ok)
            continue;
        changed = prepared;
        if (!changeSetting(changed, slot, key))
            continue;
        QVERIFY2(changed != prepared, "set() reported success without a change");
        QVERIFY2(uploaded(changed) != uploaded(prepared), "the change reaches no byte of the upload");
        return;
    }
    QFAIL("no other value is accepted for this key");
}

void TestSettingBytes::keptKeysAreDocumented()
{
    QFile doc(QStringLiteral(MOUSECFG_SOURCE_DIR "/docs/cli.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(doc.readAll());
    const QString table = text.section(QStringLiteral("### Kept on this computer"), 1).section(QStringLiteral("\n#"), 0, 0);
    int rows = 0;
    for (const SlotSettings::LocalKey &local : SlotSettings::keptOnComputer()) {
        QVERIFY2(table.contains(QStringLiteral("| `%1` | %2 |").arg(QLatin1String(local.pattern), QLatin1String(local.reason))),
                 local.pattern);
        ++rows;
    }
    QCOMPARE(table.count(QStringLiteral("\n| `")), rows);
}

QTEST_MAIN(TestSettingBytes)
#include "test_settingbytes.moc"
