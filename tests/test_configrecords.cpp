#include "RecordSamples.h"
#include "TestAppDir.h"
#include "storage/ConfigRecords.h"
#include "storage/MacroFile.h"
#include "storage/ProductDefinition.h"

#include <QtTest>

class TestConfigRecords : public QObject
{
    Q_OBJECT
private slots:
    void builtInFactoryProfile();
    void factoryProfileFromProduct();
    void factoryConfigResetsEverySlot();
    void changedGroups();
    void macroMarkSeenOnceThenCleared();
};

void TestConfigRecords::builtInFactoryProfile()
{
    TestAppDir dir;
    ProfileData p = sampleProfile(7);
    MakeFactoryProfile(p);
    const quint32 resolutions[8] = { 8, 12, 16, 24, 50, 75, 0, 0 };
    for (int i = 0; i < DpiStageSlots; ++i) {
        QCOMPARE(p.stages[i].used, quint8(1));
        QCOMPARE(p.stages[i].link, quint8(1));
        QCOMPARE(p.stages[i].x, resolutions[i]);
        QCOMPARE(p.stages[i].xy, resolutions[i]);
    }
    QCOMPARE(p.dpi, quint8(1));
    QCOMPARE(p.LedSleepTime, quint8(1));
    const int functions[8] = { 1, 2, 3, 4, 5, 4, 5, 0 };
    for (int b = 0; b < 8; ++b)
        QCOMPARE(p.buttons[b].Fun, functions[b]);
    QCOMPARE(p.buttons[40].Fun, 52);
    QCOMPARE(p.buttons[41].Fun, 53);
    QCOMPARE(p.ledModes[0].RGB, QColor(255, 0, 0));
    QCOMPARE(p.ledModes[10].RGB, QColor(0, 255, 0));
    QCOMPARE(p.ledModes[10].breath, 5);
    // Nothing of the old record survives.
    QVERIFY(p.ProfileName.isEmpty());
    QCOMPARE(p.buttons[20].KeyInfo[5], MacroEvent());
}

void TestConfigRecords::factoryProfileFromProduct()
{
    TestAppDir dir(TestAppDir::Installed);
    ProfileTemplate t;
    QCOMPARE(LoadProfileTemplate(t), 0);
    ProfileData p;
    MakeFactoryProfile(p);
    QCOMPARE(p.pollrate, quint8(t.pollrate));
    QCOMPARE(p.dpi, t.dpi);
    QCOMPARE(p.LedMode, t.LedMode);
    QCOMPARE(p.LedMoveOFF, t.LedMoveOFF);
    QCOMPARE(p.LedSleepTime, quint8(1));
    for (int i = 0; i < DpiStageSlots; ++i)
        QCOMPARE(p.stages[i].y, quint32(t.stageXY[i]));
    for (int b = 0; b < 16; ++b) {
        QCOMPARE(p.buttons[b].ID, t.buttons[b].ID);
        QCOMPARE(p.buttons[b].Fun, t.buttons[b].Fun);
    }
    QCOMPARE(p.buttons[16].Fun, 0);
    QCOMPARE(p.buttons[41].Fun, 53);
    for (int m = 0; m < LedModeSlots; ++m) {
        QCOMPARE(p.ledModes[m].RGB, t.ledModes[m].RGB);
        QCOMPARE(p.ledModes[m].breath, t.ledModes[m].breath);
        QCOMPARE(p.ledModes[m].h, 360);
    }
}

void TestConfigRecords::factoryConfigResetsEverySlot()
{
    TestAppDir dir;
    ConfigData c = sampleConfig(3);
    MakeFactoryConfig(c);
    ProfileData factory;
    MakeFactoryProfile(factory);
    QCOMPARE(c.ProfileID, quint8(0));
    QCOMPARE(c.Count, quint8(7)); // kept
    QCOMPARE(c.Debounce, quint8(20));
    QCOMPARE(c.SensorMode, quint8(1));
    QCOMPARE(c.LiftHigh, quint8(1)); // the built-in 0 is no distance the pages offer
    for (int k = 0; k < ProfileSlots; ++k) {
        QVERIFY(c.profiles[k] == factory);
        QCOMPARE(c.profileNames[k], QStringLiteral("Profile %1").arg(k + 1));
    }
}

void TestConfigRecords::changedGroups()
{
    TestAppDir dir;
    ConfigData sent = sampleConfig(1); // current slot 1
    for (int k = 0; k < ProfileSlots; ++k)
        sent.profiles[k].LedMode = quint8(k);
    QCOMPARE(ChangedGroups(sent, sent), 0);

    ConfigData c = sent;
    c.Count += 1;
    QCOMPARE(ChangedGroups(c, sent), 0);

    c = sent;
    c.profiles[4].scrollspeed += 1;
    QCOMPARE(ChangedGroups(c, sent), int(GroupGeneral));
    c = sent;
    c.ProfileID = 2;
    QCOMPARE(ChangedGroups(c, sent), int(GroupGeneral));
    c = sent;
    c.profiles[1].LedSleepTime += 1; // current slot
    QCOMPARE(ChangedGroups(c, sent), int(GroupGeneral));
    c.profiles[1] = sent.profiles[1];
    c.profiles[3].LedSleepTime += 1; // another slot: not sent
    c.profiles[3].dpi += 1;
    QCOMPARE(ChangedGroups(c, sent), 0);

    c = sent;
    c.profiles[2].stages[7].link ^= 1;
    c.profiles[2].stages[7].xy += 1;
    QCOMPARE(ChangedGroups(c, sent), 0);
    c.profiles[2].stages[7].x += 1;
    QCOMPARE(ChangedGroups(c, sent), int(GroupDpi));

    c = sent;
    c.profiles[4].buttons[41].Res4 += 1;
    QCOMPARE(ChangedGroups(c, sent), int(GroupButtons));
    c = sent;
    c.profiles[0].buttons[3].KeyInfo[62].H += 1;
    QCOMPARE(ChangedGroups(c, sent), int(GroupButtons));

    c = sent;
    c.profiles[3].ledModes[4].RGB = QColor(1, 2, 3);
    QCOMPARE(ChangedGroups(c, sent), 0);
    c.profiles[3].LedMode = 5;
    c.profiles[3].ledModes[5].bright += 1;
    ConfigData base = sent;
    base.profiles[3].LedMode = 5;
    QCOMPARE(ChangedGroups(c, base), int(GroupLighting));
    QCOMPARE(ChangedGroups(c, sent), int(GroupLighting)); // LedMode itself differs

    // Effect numbers past the table compare no effect and never index past it.
    c = sent;
    c.profiles[0].LedMode = 200;
    base = c;
    c.profiles[0].ledModes[13].v += 1;
    QCOMPARE(ChangedGroups(c, base), 0);

    ConfigData all = sent;
    all.ProfileID = 0;
    all.profiles[0].stages[0].used ^= 1;
    all.profiles[0].buttons[0].Fun += 1;
    all.profiles[0].LedMode = 99;
    QCOMPARE(ChangedGroups(all, sent), int(AllGroups));
}

void TestConfigRecords::macroMarkSeenOnceThenCleared()
{
    TestAppDir dir;
    MacroFileData macro;
    macro.count = 1;
    macro.events[0] = MacroEvent { 132, 4, 0 };
    QVERIFY(SaveMacroFile("m1", macro));
    QVERIFY(MacroChanged("m1"));

    ConfigData sent = sampleConfig(2);
    sent.profiles[3].buttons[7].Fun = 200;
    sent.profiles[3].buttons[7].macroname = "m1";
    QCOMPARE(ChangedGroups(sent, sent), int(GroupButtons));
    QVERIFY(!MacroChanged("m1"));
    QCOMPARE(ChangedGroups(sent, sent), 0);

    ConfigData c = sent;
    c.profiles[3].buttons[7].macroname = "m2";
    QCOMPARE(ChangedGroups(c, sent), int(GroupButtons));

    // A macro name that is a path reads as unmarked and is never written.
    sent.profiles[0].buttons[0].Fun = 200;
    sent.profiles[0].buttons[0].macroname = "../../m1";
    dir.writeFile("m1.MSMACRO", "[Setting]\nWriteSign=1\n");
    QCOMPARE(ChangedGroups(sent, sent), 0);
    QCOMPARE(QSettings(dir.path() + "/m1.MSMACRO", QSettings::IniFormat).value("Setting/WriteSign").toInt(),
             1);
}

QTEST_GUILESS_MAIN(TestConfigRecords)
#include "test_configrecords.moc"
