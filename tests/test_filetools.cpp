#include "RecordSamples.h"
#include "TestAppDir.h"
#include "cli/CliCommand.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"

#include <QtTest>

// mousecfg-cli's file commands and the build tool that fills a fresh program folder.
class TestFileTools : public QObject
{
    Q_OBJECT
private slots:
    void configExportAndImport();
    void profileExportAndImport();
    void initConfigsWritesOnlyAbsentFiles();
};

namespace {

int run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int cli(const TestAppDir &dir, const QStringList &args)
{
    return run(QStringLiteral(MOUSECFG_APPDIR "/mousecfg-cli"),
               QStringList { "--appdir", dir.path() } + args);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// `config` with the two values that an export leaves out taken from `kept`.
ConfigData withSleepValuesOf(ConfigData config, const ConfigData &kept)
{
    for (int k = 0; k < ProfileSlots; ++k) {
        config.profiles[k].LedMoveOFF = kept.profiles[k].LedMoveOFF;
        config.profiles[k].LedSleepTime = kept.profiles[k].LedSleepTime;
    }
    return config;
}

} // namespace

void TestFileTools::configExportAndImport()
{
    TestAppDir dir(TestAppDir::Installed);
    const ConfigData original = sampleConfig(6);
    QVERIFY(SaveConfig(original));
    const QString conf = dir.path() + "/all.conf";
    QCOMPARE(cli(dir, { "export-config", conf }), 0);
    QCOMPARE(FileOwner(conf), QStringLiteral("SKYLARK"));

    const ConfigData other = sampleConfig(7);
    QVERIFY(SaveConfig(other));
    QCOMPARE(cli(dir, { "import-config", conf }), 0);
    ConfigData loaded;
    LoadConfig(loaded);
    QVERIFY(loaded == withSleepValuesOf(original, other));

    const QByteArray before = contents(AppPaths::globalConfigFile());
    SaveFileOwner(conf, "OTHER");
    QCOMPARE(cli(dir, { "import-config", conf }), int(ExitRefused));
    QCOMPARE(cli(dir, { "import-config", dir.path() + "/missing.conf" }), int(ExitNoInput));
    QCOMPARE(cli(dir, { "import-config" }), int(ExitUsage));
    QCOMPARE(cli(dir, { "export-config", conf + "/below-a-file.conf" }), int(ExitCannotWrite));
    QCOMPARE(contents(AppPaths::globalConfigFile()), before);
}

void TestFileTools::profileExportAndImport()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config = sampleConfig(8);
    config.ProfileID = 0;
    QVERIFY(SaveConfig(config));
    const QString target = dir.writeFile("Sniper.prof", "an older file the user chose to replace");
    QCOMPARE(cli(dir, { "export-profile", "2", target }), 0);
    QCOMPARE(contents(target), contents(SlotProfileFile(config.profileNames[1])));
    QCOMPARE(FileOwner(target), QStringLiteral("SKYLARK"));
    QCOMPARE(cli(dir, { "export-profile", "6", target }), int(ExitUsage));
    QCOMPARE(cli(dir, { "export-profile", "two", target }), int(ExitUsage));
    QCOMPARE(cli(dir, { "export-profile", "1", target + "/below-a-file.prof" }), int(ExitCannotWrite));

    const QStringList library = LoadLibraryList();
    QCOMPARE(cli(dir, { "import-profile", target }), 0);
    QCOMPARE(LoadLibraryList(), library + QStringList { "Sniper" });
    ConfigData loaded;
    LoadConfig(loaded);
    QCOMPARE(loaded.profileNames[0], QStringLiteral("Sniper"));
    ProfileData expected = config.profiles[1];
    expected.ProfileName = "Sniper";
    QVERIFY(loaded.profiles[0] == expected);
    QVERIFY(loaded.profiles[1] == config.profiles[1]);

    QCOMPARE(cli(dir, { "import-profile", target }), int(ExitRefused)); // already in the library
    const QString foreign = dir.writeFile("Foreign.prof", "[MouseName]\nName=OTHER\n");
    QCOMPARE(cli(dir, { "import-profile", foreign }), int(ExitRefused));
    // A name that another slot holds would make two slots share one file.
    const QString clash = dir.path() + "/" + config.profileNames[3] + ".prof";
    QVERIFY(QFile::copy(target, clash));
    QCOMPARE(cli(dir, { "import-profile", clash }), int(ExitRefused));
    QCOMPARE(LoadLibraryList(), library + QStringList { "Sniper" });
}

void TestFileTools::initConfigsWritesOnlyAbsentFiles()
{
    TestAppDir dir(TestAppDir::Installed);
    QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).setValue("Config/Profile3", "Custom");
    QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).setValue("Config/Debounce", 30);
    const QString kept = dir.writeFile("Configs/Profile/Profile 2.prof", "[PROFILE]\npollrate=8\n");
    QCOMPARE(run(QStringLiteral(MOUSECFG_INITCONFIGS), { dir.path() }), 0);
    // The product's sensor settings where the file had none; the one it had is kept.
    const QSettings global(AppPaths::globalConfigFile(), QSettings::IniFormat);
    QCOMPARE(global.value("Config/LiftHigh").toInt(), 1);
    QCOMPARE(global.value("Config/SensorMode").toInt(), 1);
    QCOMPARE(global.value("Config/Debounce").toInt(), 30);

    ProfileData factory;
    MakeFactoryProfile(factory);
    factory.ProfileName = "Custom";
    ProfileData p;
    LoadProfileFile(p, SlotProfileFile("Custom"));
    QVERIFY(p == factory);
    QCOMPARE(contents(kept), QByteArray("[PROFILE]\npollrate=8\n"));
    for (const char *name : { "Profile 1", "Profile 4", "Profile 5" })
        QVERIFY(QFile::exists(SlotProfileFile(name)));
    const QString library = AppPaths::libraryDir("SKYLARK");
    QVERIFY(QFile::exists(library + "/DefaultProfile.prof"));
    QVERIFY(QFile::exists(library + "/Profile 5.prof"));
    QCOMPARE(LoadLibraryList().size(), 5);

    const QDateTime written = QFileInfo(library + "/Profile 1.prof").lastModified();
    SaveLibraryList({ "Mine" });
    QTest::qWait(20);
    QCOMPARE(run(QStringLiteral(MOUSECFG_INITCONFIGS), { dir.path() }), 0);
    QCOMPARE(QFileInfo(library + "/Profile 1.prof").lastModified(), written);
    QCOMPARE(LoadLibraryList(), QStringList { "Mine" });
}

QTEST_GUILESS_MAIN(TestFileTools)
#include "test_filetools.moc"
