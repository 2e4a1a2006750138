#include "RecordSamples.h"
#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProductDefinition.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"

#include <QtTest>

class TestProfileFiles : public QObject
{
    Q_OBJECT
private slots:
    void profileRoundTripAndLayout();
    void readingDefaultsAndTruncation();
    void saveConfigWritesEverySlotThatChanged();
    void loadConfigGuardsDamagedValues();
    void sensorSettingsReadAsTheMouseTakesThem_data();
    void sensorSettingsReadAsTheMouseTakesThem();
    void exportImportRestoresConfiguration();
    void hostileFilesStayInside();
    void libraryImportAndSlotExport();
};

namespace {
QDateTime modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}
} // namespace

void TestProfileFiles::profileRoundTripAndLayout()
{
    TestAppDir dir;
    const ProfileData written = sampleProfile(5);
    QVERIFY(SaveProfileFile(written, "Gaming, \"one\""));
    const QString path = SlotProfileFile("Gaming, \"one\"");
    ProfileData read;
    LoadProfileFile(read, path);
    QVERIFY(read == written);

    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.childGroups(), QStringList({ "PROFILE" }));
    QCOMPARE(file.allKeys().size(), 8453);
    QCOMPARE(file.value("PROFILE/BUTTON_INFO_41_KeyInfo_62_").toInt(),
             int(written.buttons[41].KeyInfo[62].L));
    QCOMPARE(file.value("PROFILE/BUTTON_INFO_41_KeyInfo_62_H").toInt(),
             int(written.buttons[41].KeyInfo[62].H));
    QCOMPARE(file.value("PROFILE/LedMode/LED_MODE_13_breath").toInt(), written.ledModes[13].breath);

    // A rewrite keeps the product stamp of an exported slot file.
    SaveFileOwner(path, "SKYLARK");
    QVERIFY(SaveProfileFile(sampleProfile(6), "Gaming, \"one\""));
    QCOMPARE(FileOwner(path), QStringLiteral("SKYLARK"));
}

void TestProfileFiles::readingDefaultsAndTruncation()
{
    TestAppDir dir;
    ProfileData p = sampleProfile(1);
    LoadProfileFile(p, dir.path() + "/missing.prof");
    QCOMPARE(p.LedMoveOFF, quint8(255));
    QCOMPARE(p.LedSleepTime, quint8(1));
    QCOMPARE(p.pollrate, quint8(0));
    QCOMPARE(p.stages[3].used, quint8(0));
    QCOMPARE(p.buttons[7].Fun, 0);
    QVERIFY(!p.ledModes[2].RGB.isValid());
    QVERIFY(p.ProfileName.isEmpty());

    const QString path
        = dir.writeFile("t.prof",
                        "[PROFILE]\npollrate=300\ndpi=-1\nDPI_INFO_0_xy=4294967295\nDPI_INFO_0_x=-1\n"
                        "BUTTON_INFO_0_Fun=4294967496\nBUTTON_INFO_0_Res1=257\nBUTTON_INFO_0_ID=banana\n"
                        "LedMoveOFF=\nLedSleepTime=x\nProfileName=a, b\n"
                        "LedMode\\LED_MODE_0_RGB=#00ff00\nLedMode\\LED_MODE_1_RGB=@Variant(\\0\\0)\n");
    LoadProfileFile(p, path);
    QCOMPARE(p.pollrate, quint8(44));
    QCOMPARE(p.dpi, quint8(255));
    QCOMPARE(p.stages[0].xy, 4294967295u);
    QCOMPARE(p.stages[0].x, 4294967295u);
    QCOMPARE(p.buttons[0].Fun, 200);
    QCOMPARE(p.buttons[0].Res1, quint8(1));
    QCOMPARE(p.buttons[0].ID, 0);
    // Present but not a number: 0, not the missing-key default.
    QCOMPARE(p.LedMoveOFF, quint8(0));
    QCOMPARE(p.LedSleepTime, quint8(0));
    QCOMPARE(p.ProfileName, QStringLiteral("a, b"));
    QCOMPARE(p.ledModes[0].RGB, QColor(0, 255, 0));
    QVERIFY(!p.ledModes[1].RGB.isValid());
}

void TestProfileFiles::saveConfigWritesEverySlotThatChanged()
{
    TestAppDir dir;
    ConfigData config = sampleConfig(2);
    QVERIFY(SaveConfig(config));
    ConfigData loaded;
    LoadConfig(loaded);
    QVERIFY(loaded == config);

    const QDateTime slot3 = modified(SlotProfileFile(config.profileNames[3]));
    QTest::qWait(20);
    config.profiles[1].buttons[5].Res2 += 1;
    config.profileNames[4] = "Renamed";
    QVERIFY(SaveConfig(config));
    QCOMPARE(modified(SlotProfileFile(config.profileNames[3])), slot3);
    LoadConfig(loaded);
    QVERIFY(loaded == config);

    // A slot file edited behind our back, even to the same size, is read again.
    const QString slot2 = SlotProfileFile(config.profileNames[2]);
    QFile edited(slot2);
    QVERIFY(edited.open(QIODevice::ReadWrite));
    QByteArray content = edited.readAll();
    const int at = content.indexOf("\npollrate=") + 10;
    QVERIFY(at > 10);
    content[at] = content.at(at) == '1' ? '2' : '1';
    QVERIFY(edited.seek(0) && edited.write(content) == content.size());
    QVERIFY(edited.setFileTime(modified(slot2).addSecs(2), QFileDevice::FileModificationTime));
    edited.close();
    LoadConfig(loaded);
    QCOMPARE(int(loaded.profiles[2].pollrate), content.mid(at, content.indexOf('\n', at) - at).toInt());
    LoadConfig(config);

    // A slot file changed behind our back is written again.
    QFile::remove(SlotProfileFile(config.profileNames[3]));
    QVERIFY(SaveConfig(config));
    LoadConfig(loaded);
    QVERIFY(loaded == config);

    QVERIFY(SaveCurrentStage("Renamed", 6));
    LoadConfig(loaded);
    QCOMPARE(loaded.profiles[4].dpi, quint8(6));
    QVERIFY(!SaveCurrentStage("Absent", 6));
    QVERIFY(!QFile::exists(SlotProfileFile("Absent")));

    // A name the library has is one profile: every save and stage report reaches its library file,
    // and no library file is made for a name the library lacks.
    SaveCurrentProduct("SKYLARK");
    QDir().mkpath(AppPaths::libraryDir("SKYLARK"));
    QVERIFY(SaveProfileFileAt(sampleProfile(9), LibraryProfileFile("Renamed")));
    LoadConfig(config);
    config.profiles[4].stages[1].x += 100;
    QVERIFY(SaveConfig(config));
    ProfileData library;
    LoadProfileFile(library, LibraryProfileFile("Renamed"));
    QVERIFY(library == config.profiles[4]);
    QVERIFY(SaveCurrentStage("Renamed", 2));
    LoadProfileFile(library, LibraryProfileFile("Renamed"));
    QCOMPARE(library.dpi, quint8(2));
    QVERIFY(!QFile::exists(LibraryProfileFile(config.profileNames[3])));
    // Without a slot file, the library file is what a slot of that name reads.
    QVERIFY(QFile::remove(SlotProfileFile("Renamed")));
    LoadConfig(loaded);
    QVERIFY(loaded.profiles[4] == library);
}

void TestProfileFiles::loadConfigGuardsDamagedValues()
{
    TestAppDir dir(TestAppDir::Installed);
    dir.writeFile("Configs/Config.ini",
                  "[Config]\nProfileID=7\nProfile1=../../escape\nProfile2=\nProfile3=ok\n"
                  "Debounce=300\n");
    ConfigData config;
    LoadConfig(config);
    QCOMPARE(config.ProfileID, quint8(0));
    QCOMPARE(config.profileNames[0], QStringLiteral("Profile 1"));
    QCOMPARE(config.profileNames[1], QStringLiteral("Profile 2"));
    QCOMPARE(config.profileNames[2], QStringLiteral("ok"));
    QCOMPARE(config.Debounce, quint8(8)); // not 300 cut to a byte: the product's factory value
    dir.writeFile("Configs/Config.ini", "[Config]\nProfileID=-1\n");
    LoadConfig(config);
    QCOMPARE(config.ProfileID, quint8(0));

    qint8 matrix[ButtonMatrixSize] = {};
    LoadButtonMatrix(matrix);
    for (int i = 0; i < ButtonMatrixSize; ++i)
        QCOMPARE(ButtonMatrixSlot(i), int(matrix[i]));
    QCOMPARE(ButtonMatrixSlot(16), -1);
    QCOMPARE(ButtonMatrixSlot(-1), -1);
}

void TestProfileFiles::sensorSettingsReadAsTheMouseTakesThem_data()
{
    // Expected, in this order: lift, angle, key response, jitter, wake, sensor mode, sync. The demo
    // product's factory values are 1, 0, 8, 0, 1, 1, 0.
    QTest::addColumn<QByteArray>("product"); // DefaultProfile.bin; "demo" for the shipped one
    QTest::addColumn<QByteArray>("config"); // keys of Config.ini's [Config]
    QTest::addColumn<QVector<int>>("expected");
    const QVector<int> demo { 1, 0, 8, 0, 1, 1, 0 };
    QTest::newRow("first start: keys missing") << QByteArray("demo") << QByteArray() << demo;
    QTest::newRow("stored values in range")
        << QByteArray("demo")
        << QByteArray("LiftHigh=2\nAngleValue=1\nDebounce=30\nJitter=1\nWake=0\nSensorMode=2\nSync=1\n")
        << QVector<int> { 2, 1, 30, 1, 0, 2, 1 };
    QTest::newRow("zero where the pages start at 1")
        << QByteArray("demo") << QByteArray("LiftHigh=0\nDebounce=0\nSensorMode=0\n")
        << QVector<int> { 1, 0, 8, 0, 1, 0, 0 };
    QTest::newRow("beyond a byte, not cut")
        << QByteArray("demo") << QByteArray("LiftHigh=257\nDebounce=264\nSensorMode=258\n") << demo;
    QTest::newRow("out of range") << QByteArray(
        "demo") << QByteArray("LiftHigh=3\nAngleValue=-1\nJitter=9\nWake=2\nSensorMode=3\nSync=2\n")
                                  << demo;
    QTest::newRow("not numbers") << QByteArray("demo") << QByteArray("LiftHigh=far\nDebounce=\nWake=1,2\n")
                                 << demo;
    QTest::newRow("no product definition: built-in values in range")
        << QByteArray() << QByteArray() << QVector<int> { 1, 0, 20, 0, 0, 1, 0 };
    QTest::newRow("product values out of range: the nearest in range")
        << QByteArray("[PROFILE]\nlift=0\nbutondelay=0\nsensormode=7\nwake=5\n")
        << QByteArray("Debounce=999\n") << QVector<int> { 1, 0, 1, 0, 1, 2, 0 };
}

void TestProfileFiles::sensorSettingsReadAsTheMouseTakesThem()
{
    QFETCH(QByteArray, product);
    QFETCH(QByteArray, config);
    QFETCH(QVector<int>, expected);
    TestAppDir dir(product == "demo" ? TestAppDir::Installed : TestAppDir::Empty);
    if (!product.isEmpty() && product != "demo")
        dir.writeFile("DefaultProfile.bin", product);
    dir.writeFile("Configs/Config.ini", "[Config]\n" + config);
    const auto fields = [](const ConfigData &c) {
        return QVector<int> { c.LiftHigh, c.AngleValue, c.Debounce, c.Jitter, c.Wake, c.SensorMode, c.Sync };
    };
    ConfigData loaded = sampleConfig(1);
    LoadConfig(loaded);
    QCOMPARE(fields(loaded), expected);

    // A factory reset gives the values a first start reads.
    if (config.isEmpty()) {
        ConfigData factory = sampleConfig(2);
        MakeFactoryConfig(factory);
        QCOMPARE(fields(factory), expected);
    }
    // An imported configuration is read by the same rules (the import takes numbers only, so what is
    // none is 300 there).
    const QString exported = dir.path() + "/out.conf";
    QVERIFY(ExportConfig(sampleConfig(3), exported));
    QSettings file(exported, QSettings::IniFormat);
    const QSettings stored(AppPaths::globalConfigFile(), QSettings::IniFormat);
    for (const char *name :
         { "LiftHigh", "AngleValue", "Debounce", "Jitter", "Wake", "SensorMode", "Sync" }) {
        const QString key = QStringLiteral("Config/") + name;
        bool isNumber = false;
        const int value = stored.value(key).toString().toInt(&isNumber);
        file.setValue(key, isNumber ? value : 300);
    }
    file.sync();
    ConfigData imported = sampleConfig(4);
    QVERIFY(ImportConfig(imported, exported));
    QCOMPARE(fields(imported), expected);
}

void TestProfileFiles::exportImportRestoresConfiguration()
{
    TestAppDir dir;
    const ConfigData exported = sampleConfig(3);
    const QString path = dir.writeFile("out.conf", "[Junk]\nkey=1\n[MouseName]\nName=OTHER\n");
    QVERIFY(ExportConfigStamped(exported, path, "SKYLARK"));
    QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.childGroups(),
             QStringList(
                 { "Config", "MouseName", "PROFILE_0", "PROFILE_1", "PROFILE_2", "PROFILE_3", "PROFILE_4" }));
    QCOMPARE(FileOwner(path), QStringLiteral("SKYLARK"));
    QVERIFY(!file.contains("PROFILE_0/LedMoveOFF"));

    ConfigData imported = sampleConfig(4);
    const ConfigData before = imported;
    QVERIFY(ImportConfig(imported, path));
    ConfigData expected = exported;
    for (int k = 0; k < ProfileSlots; ++k) {
        expected.profiles[k].LedMoveOFF = before.profiles[k].LedMoveOFF;
        expected.profiles[k].LedSleepTime = before.profiles[k].LedSleepTime;
    }
    QVERIFY(imported == expected);

    // An export without a stamp keeps the file's stamp.
    QVERIFY(ExportConfig(exported, path));
    QCOMPARE(FileOwner(path), QStringLiteral("SKYLARK"));

    // Names the file lacks, or that are paths, keep the slot's name.
    QFile whole(path);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QByteArray text = whole.readAll();
    text.replace("ProfileID=3", "ProfileID=9");
    for (int k = 1; k <= ProfileSlots; ++k) {
        const int at = text.indexOf(QByteArray("\nProfile") + QByteArray::number(k) + '=') + 1;
        QVERIFY(at > 0);
        text.remove(at, text.indexOf('\n', at) + 1 - at);
    }
    text.replace("[Config]\n", "[Config]\nProfile2=..\nProfile3=New\n");
    const QString partial = dir.writeFile("partial.conf", text);
    imported = before;
    QVERIFY(ImportConfig(imported, partial));
    QCOMPARE(imported.ProfileID, quint8(0));
    QCOMPARE(imported.profileNames[0], before.profileNames[0]);
    QCOMPARE(imported.profileNames[1], before.profileNames[1]);
    QCOMPARE(imported.profileNames[2], QStringLiteral("New"));

    // A profile file is no configuration: nothing is taken from it.
    QVERIFY(SaveProfileFile(exported.profiles[0], "p"));
    imported = before;
    QVERIFY(!ImportConfig(imported, SlotProfileFile("p")));
    QVERIFY(!ImportConfig(imported, dir.path() + "/missing.conf"));
    QVERIFY(imported == before);

    QVERIFY(!ExportConfig(exported, path + "/below-a-file.conf"));
}

void TestProfileFiles::hostileFilesStayInside()
{
    TestAppDir dir;
    const QString outside = dir.path() + "/escape.prof";
    ConfigData config = sampleConfig(5);
    config.profileNames[1] = "../../escape";
    config.profileNames[2] = "";
    config.profileNames[3] = "a/b";
    QVERIFY(!SaveConfig(config));
    QVERIFY(!SaveProfileFile(config.profiles[0], ".."));
    QVERIFY(!SaveCurrentStage("../../escape", 1));
    QVERIFY(!QFile::exists(outside));
    QVERIFY(!QFile::exists(AppPaths::slotProfileDir() + "/.prof"));
    QVERIFY(!QFile::exists(AppPaths::slotProfileDir() + "/a"));
    QVERIFY(QFile::exists(SlotProfileFile(config.profileNames[4])));

    QByteArray garbage(100000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 256);
    const QString bad = dir.writeFile("bad.conf", "[Config]\n" + garbage);
    ProfileData p;
    LoadProfileFile(p, bad);
    ImportConfig(config, bad);
    QVERIFY(config.ProfileID < ProfileSlots);
    QVERIFY(SaveProfileFile(p, "over-garbage"));
}

void TestProfileFiles::libraryImportAndSlotExport()
{
    TestAppDir dir;
    SaveCurrentProduct("SKYLARK");
    SaveLibraryList({ "Profile 1" });
    QVERIFY(SaveProfileFile(sampleProfile(1), "Profile 1"));

    const QString exported = dir.writeFile("out/Gaming.prof", "old content");
    QVERIFY(ExportSlotProfile("Profile 1", exported));
    QCOMPARE(FileOwner(exported), QStringLiteral("SKYLARK"));
    QCOMPARE(FileOwner(SlotProfileFile("Profile 1")), QStringLiteral("SKYLARK"));
    ProfileData p;
    LoadProfileFile(p, exported);
    QVERIFY(p == sampleProfile(1));
    QVERIFY(!ExportSlotProfile("Missing", dir.path() + "/x.prof"));
    QVERIFY(!ExportSlotProfile("Profile 1", exported + "/below-a-file.prof"));
    QVERIFY(QFile::exists(exported));

    // A slot file left by an earlier profile of the name gives way to the imported one.
    QVERIFY(SaveProfileFile(sampleProfile(3), "Gaming"));
    QString name;
    QCOMPARE(ImportLibraryProfile(exported, name), ProfileImport::Imported);
    LoadProfileFile(p, StoredProfileFile("Gaming"));
    QVERIFY(p == sampleProfile(1));
    QCOMPARE(name, QStringLiteral("Gaming"));
    QCOMPARE(LoadLibraryList(), QStringList({ "Profile 1", "Gaming" }));
    QVERIFY(QFile::exists(dir.path() + "/Configs/SKYLARK/Profile/Gaming.prof"));
    QCOMPARE(ImportLibraryProfile(exported, name), ProfileImport::Exists);

    QFile exportedFile(exported);
    QVERIFY(exportedFile.open(QIODevice::ReadOnly));
    const QByteArray whole = exportedFile.readAll();
    const QString foreign
        = dir.writeFile("Other.prof", QByteArray(whole).replace("Name=SKYLARK", "Name=OTHER"));
    QCOMPARE(ImportLibraryProfile(foreign, name), ProfileImport::OtherProduct);
    const QString dotted = dir.writeFile("..prof", whole);
    QCOMPARE(ImportLibraryProfile(dotted, name), ProfileImport::BadName);
    const QString stampOnly = dir.writeFile("Stamp.prof", "[MouseName]\nName=SKYLARK\n");
    QCOMPARE(ImportLibraryProfile(stampOnly, name), ProfileImport::Damaged);
    QCOMPARE(ImportLibraryProfile(dir.path() + "/none.prof", name), ProfileImport::Unreadable);
    QCOMPARE(LoadLibraryList().size(), 2);
}

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "test_profilefiles.moc"
