#include "storage/Product.h"
#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"

#include <QtTest>

#include <functional>

class TestAppSettings : public QObject
{
    Q_OBJECT
private slots:
    void pathsFollowTheProduct();
    void missingFilesGiveDefaults();
    void languageList();
    void libraryListSharesGlobalFileWithoutProduct();
    void hostileValues();
    void upgradeReachesTheUsersCopy_data();
    void upgradeReachesTheUsersCopy();
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
    QCOMPARE(Product::load().languages.count, 0);
    QCOMPARE(CurrentProduct(), QString());
    QCOMPARE(Product::load().batteryFullMillivolts, 4200);
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
    const LanguageList list = Product::load().languages;
    QCOMPARE(list.count, 10);
    QCOMPARE(list.entries.size(), 10);
    // Each language in its own name, written in the file as the settings escape it.
    QCOMPARE(list.entries.at(1).name, QStringLiteral("Fran\u00e7ais"));
    QCOMPARE(list.entries.at(2).file, QStringLiteral("mousecfg_de"));
    QCOMPARE(list.entries.at(5).name, QStringLiteral("Portugu\u00eas (Brasil)"));
    QCOMPARE(list.entries.at(5).file, QStringLiteral("mousecfg_pt_BR"));
    QCOMPARE(list.entries.at(7).name, QStringLiteral("\u0420\u0443\u0441\u0441\u043a\u0438\u0439"));
    QCOMPARE(list.entries.at(8).name, QStringLiteral("\u7b80\u4f53\u4e2d\u6587"));
    QCOMPARE(list.entries.at(9).name, QStringLiteral("\u65e5\u672c\u8a9e"));
    for (const LanguageEntry &entry : list.entries)
        QVERIFY2(AppPaths::isSafeFileName(entry.file), qPrintable(entry.file));
    QCOMPARE(Product::load().languageFont(0).size, 13u);
    QCOMPARE(SensorVariant(), 3389);
    QCOMPARE(Product::load().mouseListName, QStringLiteral("SKYLARK"));
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
    QCOMPARE(Product::load().languages.count, 0);
    QCOMPARE(LoadLibraryList().size(), 1000);
    QCOMPARE(LoadLibraryList().first(), QStringLiteral("a"));
    QCOMPARE(Product::load().batteryFullMillivolts, 4200);

    dir.writeFile("Configs/Config.ini", QByteArray("\x00\xff[\x01=\n\xfe", 6));
    QCOMPARE(Product::load().batteryFullMillivolts, 4200);
    QCOMPARE(CurrentProduct(), QString());
}

void TestAppSettings::upgradeReachesTheUsersCopy_data()
{
    // An installed program whose user copy was made by an older version: `installed` is the key's
    // value in the installed Config.ini now, `user` in the user's copy; empty = the file lacks it.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("expected");
    // Installation data: the installed value, whatever the copy holds.
    QTest::newRow("sensor code") << "MouseSenSor/1"
                                 << "3395"
                                 << "3389"
                                 << "3395";
    QTest::newRow("sensor code gone from the installation") << "MouseSenSor/1"
                                                            << ""
                                                            << "3389"
                                                            << "0";
    QTest::newRow("lighting variant") << "MouseLEDMode/SKYLARK"
                                      << "1"
                                      << "0"
                                      << "1";
    QTest::newRow("accent colour") << "Config/GColorID"
                                   << "2"
                                   << "6"
                                   << "2";
    QTest::newRow("full battery") << "Config/BatteryFull"
                                  << "4100"
                                  << "4200"
                                  << "4100";
    QTest::newRow("model") << "Config/Model"
                           << "SKYLARK Pro"
                           << "SKYLARK Wireless"
                           << "SKYLARK Pro";
    QTest::newRow("device entry") << "Mouse_List/0"
                                  << "SKYLARK2"
                                  << "SKYLARK"
                                  << "SKYLARK2";
    QTest::newRow("languages") << "FONT_LIST/LANGNUM"
                               << "4"
                               << "3"
                               << "4";
    QTest::newRow("language file") << "FONT_LIST/LangFile_1"
                                   << "mousecfg_fr_FR"
                                   << "mousecfg_fr"
                                   << "mousecfg_fr_FR";
    QTest::newRow("language font") << "FONT_LIST/FONT_SIZE_0"
                                   << "14"
                                   << "13"
                                   << "14";
    // The user's own state: the copy's value; a key the copy lacks takes the installation's.
    QTest::newRow("product choice") << "Config/CurrentProductName"
                                    << "SKYLARK2"
                                    << "SKYLARK"
                                    << "SKYLARK";
    QTest::newRow("upload flag") << "Config/Diff"
                                 << "1"
                                 << "0"
                                 << "0";
    QTest::newRow("battery notices") << "Config/BatteryNotices"
                                     << "1"
                                     << "0"
                                     << "false";
    QTest::newRow("battery notices new in the installation") << "Config/BatteryNotices"
                                                             << "0"
                                                             << ""
                                                             << "false";
    QTest::newRow("battery shown") << "Config/Battery"
                                   << ""
                                   << "55"
                                   << "55";
    QTest::newRow("library list") << "PROFILE_LIST/Count"
                                  << ""
                                  << "2"
                                  << "2";
}

void TestAppSettings::upgradeReachesTheUsersCopy()
{
    QFETCH(QString, key);
    QFETCH(QString, installed);
    QFETCH(QString, user);
    QFETCH(QString, expected);
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    TestAppDir dir(TestAppDir::Installed);
    dir.writeFile("INSTALLED", "");
    const QString userFile = AppPaths::globalConfigFile(); // the first start copies the template
    const QString installedFile = AppPaths::installedConfigFile();
    QCOMPARE(userFile, data.path() + "/mousecfg/Configs/Config.ini");
    QCOMPARE(installedFile, dir.path() + "/Configs/Config.ini");
    QCOMPARE(GlobalSettingsFile(key), IsInstallationKey(key) ? installedFile : userFile);
    const auto store = [](const QString &path, const QString &key, const QString &value) {
        QSettings file(path, QSettings::IniFormat);
        if (value.isEmpty())
            file.remove(key);
        else
            file.setValue(key, value);
    };
    store(installedFile, key, installed);
    // The library list lives in the product's own Config.ini.
    store(key.startsWith("PROFILE_LIST/") ? AppPaths::productConfigFile(CurrentProduct()) : userFile, key,
          user);
    QFile copy(userFile);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    const QByteArray before = copy.readAll();
    copy.close();

    const QMap<QString, std::function<QString()>> getters {
        { "MouseSenSor/1", [] { return QString::number(SensorVariant()); } },
        { "MouseLEDMode/SKYLARK", [] { return QString::number(Product::load().ledVariant(CurrentProduct())); } },
        { "Config/GColorID", [] { return QString::number(Product::load().accentColorIndex); } },
        { "Config/BatteryFull", [] { return QString::number(Product::load().batteryFullMillivolts); } },
        { "Config/Model", [] { return Product::load().model; } },
        { "Mouse_List/0", [] { return Product::load().mouseListName; } },
        { "FONT_LIST/LANGNUM", [] { return QString::number(Product::load().languages.count); } },
        { "FONT_LIST/LangFile_1", [] { return Product::load().languages.entries.at(1).file; } },
        { "FONT_LIST/FONT_SIZE_0", [] { return QString::number(Product::load().languageFont(0).size); } },
        { "Config/CurrentProductName", [] { return CurrentProduct(); } },
        { "Config/Diff", [] { return QString::number(LoadDiff()); } },
        { "Config/BatteryNotices", [] { return QVariant(BatteryNoticesEnabled()).toString(); } },
        { "Config/Battery", [] { return QString::number(LoadBattery()); } },
        { "PROFILE_LIST/Count", [] { return QString::number(LoadLibraryList().size()); } },
    };
    QVERIFY(getters.contains(key));
    QCOMPARE(getters.value(key)(), expected);
    // Reading never rewrites the user's copy: its old installation keys stay, unread.
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), before);
    qunsetenv("XDG_DATA_HOME");
}

QTEST_GUILESS_MAIN(TestAppSettings)
#include "test_appsettings.moc"
