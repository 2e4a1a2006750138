#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"

#include <QtTest>

class TestAppSettings : public QObject
{
    Q_OBJECT
private slots:
    void pathsFollowTheProduct();
    void missingFilesGiveDefaults();
    void languageList();
    void libraryListSharesGlobalFileWithoutProduct();
    void hostileValues();
};

void TestAppSettings::pathsFollowTheProduct()
{
    TestAppDir dir;
    const QString configs = dir.path() + "/Configs";
    QCOMPARE(AppPaths::globalConfigFile(), configs + "/Config.ini");
    QCOMPARE(AppPaths::productConfigFile(QString()), configs + "/Config.ini");
    QCOMPARE(AppPaths::libraryDir(QString()), AppPaths::slotProfileDir());
    QCOMPARE(AppPaths::libraryDir("SKYLARK"), configs + "/SKYLARK/Profile");
    // A path-like product name never leads out of Configs.
    QCOMPARE(AppPaths::productDir("../etc"), configs);
    QCOMPARE(AppPaths::productDir(".."), configs);
    QVERIFY(!AppPaths::isSafeFileName("a\\b"));
    QVERIFY(AppPaths::isSafeFileName("Profile 1"));
}

void TestAppSettings::missingFilesGiveDefaults()
{
    TestAppDir dir;
    QCOMPARE(LoadLanguage(), 0);
    QCOMPARE(LoadLanguageList().count, 0);
    QCOMPARE(CurrentProduct(), QString());
    QCOMPARE(BatteryFull(), 4200);
    QCOMPARE(LoadDiff(), 0);
    QCOMPARE(LoadLibraryList(), QStringList());

    SaveLanguage(2);
    SaveDiff(1);
    SaveBattery(60);
    QCOMPARE(LoadLanguage(), 2);
    QCOMPARE(LoadDiff(), 1);
    QCOMPARE(LoadBattery(), 60);
    QVERIFY(QFile::exists(dir.path() + "/Configs/LangConfig.ini"));
}

void TestAppSettings::languageList()
{
    TestAppDir dir(TestAppDir::Installed);
    const LanguageList list = LoadLanguageList();
    QCOMPARE(list.count, 3);
    QCOMPARE(list.entries.size(), 10);
    QCOMPARE(list.entries.at(1).name,
             QString::fromUtf8("Fran\xc3\xa7"
                               "ais"));
    QCOMPARE(list.entries.at(2).file, QStringLiteral("mousecfg_de"));
    QVERIFY(list.entries.at(3).name.isEmpty());
    QCOMPARE(LoadLanguageFont(0).size, 13u);
    QCOMPARE(SensorVariant(), 3389);
    QCOMPARE(MouseListName(), QStringLiteral("SKYLARK"));
}

void TestAppSettings::libraryListSharesGlobalFileWithoutProduct()
{
    TestAppDir dir;
    SaveCurrentProduct(QString());
    SaveLibraryList({ "Profile 1", "Gaming" });
    QCOMPARE(LoadLibraryList(), QStringList({ "Profile 1", "Gaming" }));
    QSettings global(AppPaths::globalConfigFile(), QSettings::IniFormat);
    QCOMPARE(global.value("PROFILE_LIST/Count").toInt(), 2);
    QCOMPARE(global.value("PROFILE_LIST/2").toString(), QStringLiteral("Gaming"));

    SaveCurrentProduct("SKYLARK");
    QCOMPARE(LoadLibraryList(), QStringList());
    SaveLibraryList({ "Work" });
    QCOMPARE(LoadLibraryList(), QStringList({ "Work" }));

    const QString exported = dir.path() + "/out.conf";
    SaveFileOwner(exported, "SKYLARK");
    QCOMPARE(FileOwner(exported), QStringLiteral("SKYLARK"));
    QCOMPARE(FileOwner(dir.path() + "/missing.conf"), QString());
}

void TestAppSettings::hostileValues()
{
    TestAppDir dir;
    dir.writeFile("Configs/Config.ini",
                  "[FONT_LIST]\nLANGNUM=-3\n[PROFILE_LIST]\nCount=2000000000\n1=a\n"
                  "[Config]\nBatteryFull=banana\n");
    QCOMPARE(LoadLanguageList().count, 0);
    QCOMPARE(LoadLibraryList().size(), 1000);
    QCOMPARE(LoadLibraryList().first(), QStringLiteral("a"));
    QCOMPARE(BatteryFull(), 4200);

    dir.writeFile("Configs/Config.ini", QByteArray("\x00\xff[\x01=\n\xfe", 6));
    QCOMPARE(BatteryFull(), 4200);
    QCOMPARE(CurrentProduct(), QString());
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "test_appsettings.moc"
