#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/MacroFile.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"

#include <QtTest>

class TestMacroFiles : public QObject
{
    Q_OBJECT
private slots:
    void saveLoadAndGunFiles();
    void hostileMacroFiles();
    void listKeepsSlotsAndRefusesWhenFull();
    void renameDeleteImportExport();
};

void TestMacroFiles::saveLoadAndGunFiles()
{
    TestAppDir dir;
    MacroFileData macro;
    macro.defaultDelay = 25;
    macro.delayType = 2;
    macro.loopType = 3;
    macro.loopTime = 7;
    macro.count = 2;
    macro.events[0] = MacroEvent { 132, 4, 0 };
    macro.events[1] = MacroEvent { 4, 4, 0 };
    QVERIFY(SaveMacroFile("keyA", macro));
    const QSettings file(MacroFilePath("keyA"), QSettings::IniFormat);
    QCOMPARE(file.value("Setting/Map_0").toInt(), 132);
    QCOMPARE(file.value("Setting/DataH_0").toInt(), 0);
    QCOMPARE(file.value("Setting/DataL_1").toInt(), 4);
    QCOMPARE(file.value("Setting/MacroFilePath").toString(), MacroFilePath("keyA"));
    QVERIFY(MacroChanged("keyA"));

    const MacroFileData loaded = LoadMacroFile("keyA");
    QCOMPARE(loaded.loopType, 3);
    QCOMPARE(loaded.defaultDelay, 25);
    QCOMPARE(loaded.count, 2);
    QCOMPARE(loaded.events[1], macro.events[1]);

    const MacroEvent gun[3] = { { 2, 10, 0 }, { 6, 100, 0 }, { 2, 246, 0 } };
    QVERIFY(SaveGunFile("gun", gun, 3));
    QVERIFY(!MacroChanged("gun"));
    const MacroFileData gunFile = LoadMacroFile("gun");
    QCOMPARE(gunFile.defaultDelay, 10);
    QCOMPARE(gunFile.delayType, 1);
    QCOMPARE(gunFile.loopTime, 1);
    QCOMPARE(gunFile.events[2], gun[2]);
}

void TestMacroFiles::hostileMacroFiles()
{
    TestAppDir dir;
    MacroEvent events[KeyInfoSlots];
    int count = -1;
    ReadMacroEvents("missing", events, count);
    QCOMPARE(count, 0);

    QByteArray many = "[Setting]\nCount=100000\nMap_0=300\nDataH_0=-1\nDataL_0=banana\n";
    for (int i = 1; i < 200; ++i)
        many += QByteArray("Map_") + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    dir.writeFile("Configs/MacroDB/many.MSMACRO", many);
    ReadMacroEvents("many", events, count);
    QCOMPARE(count, KeyInfoSlots);
    QCOMPARE(events[0], (MacroEvent { 44, 0, 255 }));
    QCOMPARE(events[62].map, quint8(62));
    QCOMPARE(LoadMacroFile("many").count, KeyInfoSlots);

    dir.writeFile("Configs/MacroDB/negative.MSMACRO", "[Setting]\nCount=-5\n");
    ReadMacroEvents("negative", events, count);
    QCOMPARE(count, 0);

    // Path-like names never reach a file.
    dir.writeFile("outside.MSMACRO", "[Setting]\nCount=3\nWriteSign=1\n");
    ReadMacroEvents("../../outside", events, count);
    QCOMPARE(count, 0);
    QVERIFY(!MacroChanged("../../outside"));
    QVERIFY(!SaveMacroFile("../../outside", MacroFileData()));
    QVERIFY(!SaveMacroFile("", MacroFileData()));
    QCOMPARE(QSettings(dir.path() + "/outside.MSMACRO", QSettings::IniFormat).value("Setting/Count").toInt(),
             3);
}

void TestMacroFiles::listKeepsSlotsAndRefusesWhenFull()
{
    TestAppDir dir;
    for (int n = 1; n <= MacroListSlots; ++n)
        QCOMPARE(CreateMacro(), QStringLiteral("name_%1").arg(n));
    QCOMPARE(MacroCount(), MacroListSlots);
    QCOMPARE(CreateMacro(), QString());
    QVERIFY(!QFile::exists(MacroFilePath("name_51")));

    QVERIFY(DeleteMacro("name_4"));
    QVERIFY(!QFile::exists(MacroFilePath("name_4")));
    const QSettings list(AppPaths::globalConfigFile(), QSettings::IniFormat);
    QCOMPARE(list.value("MACRO_LIST/3").toString(), QString());
    QCOMPARE(list.value("MACRO_LIST/4").toString(), QStringLiteral("name_5"));
    QCOMPARE(CreateMacro(), QStringLiteral("name_4"));
    QCOMPARE(QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).value("MACRO_LIST/3").toString(),
             QStringLiteral("name_4"));
}

void TestMacroFiles::renameDeleteImportExport()
{
    TestAppDir dir;
    const QString first = CreateMacro();
    const QString second = CreateMacro();
    QVERIFY(!RenameMacro(first, second));
    QVERIFY(!RenameMacro(first, "../x"));
    QVERIFY(RenameMacro(first, "Reload"));
    QCOMPARE(LoadMacroList(), QStringList({ "Reload", second }));
    QVERIFY(QFile::exists(MacroFilePath("Reload")));
    QVERIFY(!QFile::exists(MacroFilePath(first)));

    const QString exported = dir.writeFile("out/Reload.MSMACRO", "old");
    QVERIFY(ExportMacro("Reload", exported));
    QCOMPARE(QSettings(exported, QSettings::IniFormat).value("Setting/Count").toInt(), 0);
    QVERIFY(!ExportMacro("Missing", dir.path() + "/m.MSMACRO"));

    QString name;
    QCOMPARE(ImportMacro(exported, name), MacroImport::Exists);
    QVERIFY(DeleteMacro("Reload"));
    QCOMPARE(ImportMacro(exported, name), MacroImport::Imported);
    QCOMPARE(name, QStringLiteral("Reload"));
    QVERIFY(MacroListContains("Reload"));
    QCOMPARE(ImportMacro(dir.writeFile("..MSMACRO", ""), name), MacroImport::BadName);
    QCOMPARE(ImportMacro(dir.path() + "/none.MSMACRO", name), MacroImport::Unreadable);
    while (MacroCount() < MacroListSlots)
        CreateMacro();
    QCOMPARE(ImportMacro(dir.writeFile("Late.MSMACRO", ""), name), MacroImport::ListFull);
    QVERIFY(!QFile::exists(MacroFilePath("Late")));

    // A hand-edited list entry that is a path only leaves the list.
    const QString victim = dir.writeFile("victim.MSMACRO", "keep");
    QVERIFY(DeleteMacro("../../victim"));
    QVERIFY(QFile::exists(victim));
}

QTEST_GUILESS_MAIN(TestMacroFiles)
#include "test_macrofiles.moc"
