#include "TestAppDir.h"
#include "core/settings/ButtonAssignment.h"
#include "core/settings/ButtonCatalogue.h"
#include "sensors/SensorSpec.h"
#include "storage/KeyTable.h"
#include "ui/buttons/ComboKeyState.h"
#include "ui/buttons/FrontButtonLayout.h"

#include <QtTest>

// The catalogue and the assignment rules, without windows.
class TestButtonCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void labels();
    void oneClickAndMacroChecks();
    void combinationsAndUntouchedFields();
    void comboCapture();
    void fireKeyPresetAndStore();
    void sniperRangesAndPresets();
    void frontLayout();
    void macroBinding();
};

void TestButtonCatalogue::labels()
{
    ButtonInfo b;
    b.Fun = 55;
    QCOMPARE(ButtonLabel(b, 0), QStringLiteral("SNIPER"));
    b.Fun = 59;
    QCOMPARE(ButtonLabel(b, 1), QStringLiteral("Profile Switch"));
    b.Fun = 52;
    QCOMPARE(ButtonLabel(b, 0), QString());
    QCOMPARE(ButtonLabel(b, 1), QString());
    QCOMPARE(ButtonLabel(b, 2), QStringLiteral("Scroll Up"));
    b.Fun = 510;
    b.macroname = QStringLiteral("recoil");
    QCOMPARE(ButtonLabel(b, 0), QStringLiteral("recoil"));
    for (int unknown : { 0, 8, 13, 56, 60, 61, 199, 511 }) {
        b.Fun = unknown;
        QCOMPARE(ButtonLabel(b, 0), QString());
    }
    // Every code appears once.
    QSet<int> codes;
    for (const CatalogueEntry &entry : Catalogue())
        codes.insert(entry.fun);
    QCOMPARE(codes.size(), Catalogue().size());
    QCOMPARE(WheelMenuCodes().size(), 11);
}

void TestButtonCatalogue::oneClickAndMacroChecks()
{
    ProfileData p;
    p.buttons[0].Fun = 1;
    p.buttons[1].Fun = 2;
    QCOMPARE(CheckPick(p, 0, 2, 1), PickCheck::LastLeftClick);
    QCOMPARE(CheckPick(p, 0, 200, 1), PickCheck::LastLeftClick);
    QCOMPARE(CheckPick(p, 0, 1, 0), PickCheck::Allowed);
    QCOMPARE(CheckPick(p, 1, 16, 0), PickCheck::Allowed);
    for (int other : { 15, 41 }) {
        ProfileData q = p;
        q.buttons[other].Fun = 1;
        QCOMPARE(CheckPick(q, 0, 2, 0), PickCheck::Allowed);
        QCOMPARE(CheckPick(q, other, 2, 0), PickCheck::Allowed);
    }
    // Records 20..39 reach no button of the mouse, so a left click kept there is none.
    for (int kept : { 20, 39 }) {
        ProfileData q = p;
        q.buttons[kept].Fun = 1;
        QCOMPARE(CheckPick(q, 0, 2, 0), PickCheck::LastLeftClick);
    }
    QCOMPARE(CheckPick(p, 1, 200, 0), PickCheck::NoMacros);
    QCOMPARE(CheckPick(p, 1, 510, 0), PickCheck::NoMacros);
    QCOMPARE(CheckPick(p, 1, 200, 3), PickCheck::Allowed);
    p.buttons[5].Fun = 1;
    QCOMPARE(CheckPick(p, 0, 510, 3), PickCheck::GunFileOnLeftButton);
}

void TestButtonCatalogue::combinationsAndUntouchedFields()
{
    ButtonInfo b;
    b.Fun = 200;
    b.KeyNumber = 9;
    b.LoopNumber = 4;
    b.macroname = QStringLiteral("m");
    for (MacroEvent &e : b.KeyInfo)
        e = { 0x11, 0x22, 0x33 };
    ButtonInfo right = b;
    right.Fun = 2; // a plain pick writes Fun only
    QCOMPARE(right.macroname, QStringLiteral("m"));

    StoreCombination(b, { 54, 30 }); // right Shift + A
    QCOMPARE(b.Fun, 7);
    QCOMPARE(b.KeyNumber, 9);
    QCOMPARE(b.macroname, QStringLiteral("m"));
    const MacroEvent expected[] = { { 0xE1, 5, 0x80 }, { 0x04, 5, 0x80 }, { 0x04, 5, 0 }, { 0xE1, 5, 0 } };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(b.KeyInfo[i], expected[i]);
    for (int i = 4; i < KeyInfoSlots; ++i)
        QCOMPARE(b.KeyInfo[i], MacroEvent());
    QCOMPARE(CombinationOf(b), ComboKeys({ 42, 30 }));

    StoreCombination(b, { 42, 238, 30 }); // Shift + right Ctrl + A
    const quint8 order[] = { 0xE1, 0xE0, 0x04, 0x04, 0xE0, 0xE1 };
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(b.KeyInfo[i].map, order[i]);
        QCOMPARE(b.KeyInfo[i].H, quint8(i < 3 ? 0x80 : 0));
    }
    StoreCombination(b, { 240 }); // a key without a usage stores usage 0
    QCOMPARE(b.KeyInfo[0], MacroEvent({ 0, 5, 0x80 }));
}

void TestButtonCatalogue::comboCapture()
{
    ComboKeyState state;
    state.keyEvent(238, true, true); // right Ctrl
    state.keyEvent(30, true, false);
    state.keyEvent(30, false, false);
    state.keyEvent(238, false, true);
    QCOMPARE(state.displayText(), KeyName(29) + QStringLiteral(" + A"));
    QCOMPARE(state.keys(), ComboKeys({ 29, 30 }));
    QCOMPARE(state.comboKey()[1], quint8(2));
    QCOMPARE(state.hotKeyCode(1, 1), quint8(238));

    ComboKeyState released;
    released.keyEvent(29, true, false);
    released.keyEvent(29, false, false);
    released.keyEvent(30, true, false);
    QCOMPARE(released.keys(), ComboKeys({ 30 }));
    QCOMPARE(released.displayText(), QStringLiteral("A"));

    ComboKeyState both; // both sides held: the right name; repeats change nothing
    both.keyEvent(42, true, false);
    both.keyEvent(54, true, false);
    both.keyEvent(54, true, false);
    both.keyEvent(31, true, false);
    QCOMPARE(both.displayText(), KeyName(54) + QStringLiteral(" + S"));
    QCOMPARE(both.keys(), ComboKeys({ 42, 31 }));

    ComboKeyState stale; // a release from before the dialog opened does not spoil the counts
    stale.keyEvent(29, false, false);
    stale.keyEvent(56, true, false);
    stale.keyEvent(59, true, false);
    QCOMPARE(stale.keys(), ComboKeys({ 56, 59 }));

    ComboKeyState preset;
    preset.preset({ 42, 91, 30 });
    QCOMPARE(preset.keys(), ComboKeys({ 42, 91, 30 }));
}

void TestButtonCatalogue::fireKeyPresetAndStore()
{
    ButtonInfo b;
    b.Fun = 12;
    FireKeySetting s = FireKeyOf(b);
    QCOMPARE(s.kind, int(FireKeySetting::LeftButton));
    QCOMPARE(s.times, 3);
    QCOMPARE(s.delay, 10);
    for (const auto &row : { std::pair<int, int> { 0x81, 0 }, { 0x82, 1 }, { 0x84, 2 }, { 0x04, 3 } }) {
        b.Res1 = quint8(row.first);
        QCOMPARE(FireKeyOf(b).kind, row.second);
    }
    QCOMPARE(FireKeyOf(b).keyCode, quint8(30));
    b.LoopNumber = 7;
    b.KeyNumber = 120;
    QCOMPARE(FireKeyOf(b).times, 7);
    QCOMPARE(FireKeyOf(b).delay, 120);

    ButtonInfo stored;
    stored.macroname = QStringLiteral("kept");
    StoreFireKey(stored, { FireKeySetting::MiddleButton, 0, 5, 50 });
    QCOMPARE(stored.Res1, quint8(0x84));
    QCOMPARE(stored.LoopNumber, 5);
    QCOMPARE(stored.KeyNumber, 50);
    // A key without a usage would reach the mouse as a left click: refused, the record unchanged.
    QVERIFY(!StoreFireKey(stored, { FireKeySetting::KeyboardKey, 240, 7, 70 }));
    QVERIFY(!StoreFireKey(stored, { FireKeySetting::KeyboardKey, 0, 7, 70 }));
    QCOMPARE(stored.Res1, quint8(0x84));
    QCOMPARE(stored.LoopNumber, 5);
    QVERIFY(StoreFireKey(stored, { FireKeySetting::KeyboardKey, 30, 7, 70 }));
    QCOMPARE(stored.Res1, quint8(0x04));
    QCOMPARE(stored.macroname, QStringLiteral("kept"));
}

void TestButtonCatalogue::sniperRangesAndPresets()
{
    QCOMPARE(SensorSpecFor(3389).sniperStepFor(1), 6);
    QCOMPARE(SensorSpecFor(3389).sniperStepFor(21), 6);
    QCOMPARE(SensorSpecFor(3389).sniperStepFor(2), 2);
    QCOMPARE(SensorSpecFor(3325).sniperStepFor(0), 3);
    QCOMPARE(SensorSpecFor(3360).sniperStepFor(11), 3);
    QCOMPARE(SensorSpecFor(3212).sniperStepFor(16), 16);
    QCOMPARE(SensorSpecFor(3212).sniperStepFor(33), 16);
    QCOMPARE(SensorSpecFor(3104).sniperStepFor(27), 14);
    QCOMPARE(SensorSpecFor(3389).sniper.minimum, 2);
    QCOMPARE(SensorSpecFor(3389).sniper.maximum, 20);
    QCOMPARE(SensorSpecFor(3212).sniper.maximum, 32);
    QCOMPARE(SensorSpecFor(9999).sniper.maximum, 10);
    QCOMPARE(SensorSpecFor(3389).dpiOf(6), 300);
    QCOMPARE(SensorSpecFor(3212).dpiOf(16), 600);
    QCOMPARE(SensorSpecFor(3212).dpiOf(111), 7200);
    QCOMPARE(SensorSpecFor(3104).dpiOf(14), 500);
    QCOMPARE(SensorSpecFor(3327).dpiOf(106), 16400);
    QCOMPARE(SensorSpecFor(3327).dpiOf(62), 6400);
    QCOMPARE(SensorSpecFor(1).dpiOf(5), 0);
}

void TestButtonCatalogue::frontLayout()
{
    QVector<int> four = { 0, 1, -1, 2, 3 };
    QVector<FrontButtonPlace> places = FrontButtonLayout(four, 1.0, 430);
    const int gap = (430 - 120) / 5;
    QCOMPARE(places[0].geometry, QRect(56, gap, 220, 30));
    QCOMPARE(places[1].geometry.y(), 2 * gap + 30);
    QVERIFY(places[2].geometry.isEmpty());
    QCOMPARE(places[2].number, 0);
    QCOMPARE(places[4].geometry.y(), 4 * gap + 90);
    QCOMPARE(places[4].number, 4);

    QVector<int> ten(10, 0);
    places = FrontButtonLayout(ten, 1.0, 430);
    QCOMPARE(places[0].geometry.y(), 30);
    QCOMPARE(places[1].geometry.y(), 80);
    QCOMPARE(places[9].geometry.y(), 30 + 9 * 50);
    places = FrontButtonLayout(ten, 2.0, 860);
    QCOMPARE(places[1].geometry, QRect(112, 160, 440, 60));
}

void TestButtonCatalogue::macroBinding()
{
    TestAppDir dir(TestAppDir::Installed);
    dir.writeFile("Configs/MacroDB/two.MSMACRO",
                  "[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nDataH_0=0\nMap_1=4\nDataL_1=4\nDataH_1=0\n");
    ButtonInfo b;
    b.KeyInfo[5] = { 1, 2, 3 };
    StoreMacro(b, 200, QStringLiteral("two"), 4, 1);
    QCOMPARE(b.Fun, 200);
    QCOMPARE(b.KeyNumber, 2);
    QCOMPARE(b.LoopNumber, 4);
    QCOMPARE(b.Res1, quint8(1));
    QCOMPARE(b.KeyInfo[0], MacroEvent({ 132, 4, 0 }));
    QCOMPARE(b.KeyInfo[5], MacroEvent({ 1, 2, 3 }));
    StoreMacro(b, 510, QStringLiteral("missing"), 1, 0);
    QCOMPARE(b.KeyNumber, 0);
    QCOMPARE(b.KeyInfo[0], MacroEvent({ 132, 4, 0 }));
}

QTEST_MAIN(TestButtonCatalogue)
#include "test_buttoncatalogue.moc"
