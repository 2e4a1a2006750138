#include "TestAppDir.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "platform/KeyScanCodes.h"
#include "ui/macro/GunSetEvents.h"
#include "ui/macro/MacroEventModel.h"
#include "ui/macro/MacroEventText.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroNames.h"
#include "ui/macro/MacroRecorder.h"
#include "ui/macro/MacroRowEditor.h"

#include <QtTest>

using namespace MacroEvents;

// The macro editor's rules without widgets: key codes, recording, loading, row editing, gun sets.
class TestMacroRules : public QObject
{
    Q_OBJECT
private slots:
    void capturedKeyCodes();
    void recordedDelays();
    void recordingLimits();
    void repeatsAndUnknownKeys();
    void recordAfterARow();
    void stuckKeys();
    void loadingDropsInvalidRows();
    void rowEditing();
    void rowLimitAndClipboard();
    void gunSetEvents();
    void freeNames();
};

namespace {

MacroEvent ev(int map, int h, int l)
{
    return make(quint8(map), quint8(h), quint8(l));
}

CapturedKey captured(int makeCode, bool extended, bool pressed = true)
{
    CapturedKey key;
    key.makeCode = quint16(makeCode);
    key.extended = extended;
    key.pressed = pressed;
    return key;
}

// Presses and releases key code `code` `times` times, 1 ms apart from `start` on.
void typeKey(MacroRecorder &recorder, int code, int times, qint64 start = 0)
{
    for (int i = 0; i < times; ++i) {
        recorder.record(code, true, false, start + 2 * i);
        recorder.record(code, false, false, start + 2 * i + 1);
    }
}

} // namespace

void TestMacroRules::capturedKeyCodes()
{
    QCOMPARE(CaptureKeyCode(30, false), 30); // A
    QCOMPARE(CaptureKeyCode(71, false), 235); // keypad 7
    QCOMPARE(CaptureKeyCode(71, true), 71); // Home
    QCOMPARE(CaptureKeyCode(29, true), 238); // right Ctrl
    QCOMPARE(CaptureKeyCode(29, false), 29);
    QCOMPARE(CaptureKeyCode(56, true), 239); // right Alt
    QCOMPARE(CaptureKeyCode(28, true), 229); // keypad Enter
    QCOMPARE(CaptureKeyCode(55, true), 55); // Print Screen
    QCOMPARE(CaptureKeyCode(55, false), 227); // keypad *
    QCOMPARE(CaptureKeyCode(69, false), 69); // Pause
    QCOMPARE(CaptureKeyCode(69, true), 225); // Num Lock
    QCOMPARE(CaptureKeyCode(83, false), 224); // keypad . released
}

void TestMacroRules::recordedDelays()
{
    MacroEventModel model;
    MacroRecorder recorder(&model, 10);
    recorder.start(0, MacroRecorder::MeasuredDelays, 10);
    CapturedKey a = captured(30, false);
    a.timestampMs = 5000;
    QCOMPARE(recorder.record(a), 0);
    a.pressed = false;
    a.timestampMs = 5123;
    QCOMPARE(recorder.record(a), 2);
    QCOMPARE(model.events(), QVector<MacroEvent>({ ev(0x84, 0, 4), ev(6, 0, 12), ev(4, 0, 4) }));
    QCOMPARE(DescribeMacroEvent(model.event(1), 10).delay, QStringLiteral("120 ms"));
    QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("12"));

    // The same millisecond still gives one unit; a pause beyond the two bytes keeps the longest delay.
    recorder.record(30, true, false, 5123);
    QCOMPARE(model.event(3), ev(6, 0, 1));
    recorder.record(30, false, false, 5123 + 10LL * 70000);
    QCOMPARE(model.event(5), ev(6, 0xFF, 0xFF));

    // Default delays: the default delay in units between events, none before the first.
    model.clear();
    recorder.start(0, MacroRecorder::DefaultDelays, 250);
    typeKey(recorder, 48, 1, 0);
    QCOMPARE(model.events(), QVector<MacroEvent>({ ev(0x84, 0, 5), ev(6, 0, 25), ev(4, 0, 5) }));
    QVERIFY(recorder.heldKeys().isEmpty());

    // A coarser unit: 123 ms are 6 units of 20 ms.
    MacroEventModel coarse;
    MacroRecorder slow(&coarse, 20);
    slow.start(0, MacroRecorder::MeasuredDelays, 10);
    slow.record(30, true, false, 0);
    slow.record(30, false, false, 123);
    QCOMPARE(coarse.event(1), ev(6, 0, 6));
    QCOMPARE(DescribeMacroEvent(coarse.event(1), 20).delay, QStringLiteral("120 ms"));
}

void TestMacroRules::recordingLimits()
{
    MacroEventModel model;
    MacroRecorder recorder(&model, 10);
    recorder.start(0, MacroRecorder::NoDelays, 10);
    typeKey(recorder, 30, 20);
    QCOMPARE(model.rowCount(), 40);
    QCOMPARE(recorder.record(31, true, false, 100), -1); // the 41st event
    QCOMPARE(model.rowCount(), 40);

    for (int mode : { MacroRecorder::MeasuredDelays, MacroRecorder::DefaultDelays }) {
        model.clear();
        recorder.start(0, mode, 10);
        typeKey(recorder, 30, 40);
        QCOMPARE(model.rowCount(), 63);
        QCOMPARE(kind(model.event(62)), int(KeyKind)); // a key event, never a trailing delay
    }
    recorder.stop();
    model.clear();
    QCOMPARE(recorder.record(30, true, false, 0), -1);
    QCOMPARE(model.rowCount(), 0);
}

void TestMacroRules::repeatsAndUnknownKeys()
{
    MacroEventModel model;
    MacroRecorder recorder(&model, 10);
    recorder.start(0, MacroRecorder::NoDelays, 10);
    recorder.record(42, true, false, 0); // Shift
    recorder.record(42, true, false, 30); // repeated without the repeat flag
    recorder.record(42, true, true, 60); // repeated with it
    QCOMPARE(recorder.heldKeys(), QVector<int>({ 42 }));
    recorder.record(42, false, false, 90);
    QCOMPARE(model.events(), QVector<MacroEvent>({ ev(0x84, 0, 0xE1), ev(4, 0, 0xE1) }));
    // A key without HID usage cannot be replayed: nothing is stored for it.
    QCOMPARE(recorder.record(85, true, false, 100), -1);
    QCOMPARE(model.rowCount(), 2);
}

void TestMacroRules::recordAfterARow()
{
    MacroEventModel model;
    model.setEvents({ ev(0x84, 0, 4), ev(4, 0, 4) });
    MacroRecorder recorder(&model, 10);
    recorder.start(1, MacroRecorder::MeasuredDelays, 10);
    recorder.record(48, true, false, 0);
    QCOMPARE(recorder.record(48, false, false, 50), 3);
    QCOMPARE(model.events(),
             QVector<MacroEvent>({ ev(0x84, 0, 4), ev(0x84, 0, 5), ev(6, 0, 5), ev(4, 0, 5), ev(4, 0, 4) }));
}

void TestMacroRules::stuckKeys()
{
    QVERIFY(!hasStuckKeys({}));
    QVERIFY(!hasStuckKeys({ ev(6, 0, 5), ev(2, 0, 4) }));
    QVERIFY(!hasStuckKeys({ ev(0x84, 0, 4), ev(6, 0, 1), ev(4, 0, 4) }));
    QVERIFY(hasStuckKeys({ ev(0x84, 0, 0xE1), ev(0x84, 0, 4), ev(4, 0, 4) }));
    // Releases of other keys do not make up for a held one.
    QVERIFY(hasStuckKeys({ ev(0x84, 0, 4), ev(4, 0, 5), ev(4, 0, 5) }));
    // A move right by 4 or a release of the middle button (bit 4) is no release of A (usage 4).
    QVERIFY(hasStuckKeys({ ev(0x84, 0, 4), ev(2, 0, 4) }));
    QVERIFY(hasStuckKeys({ ev(0x84, 0, 4), ev(1, 0, 4) }));
    QVERIFY(hasStuckKeys({ ev(0x81, 0, 1) }));
}

void TestMacroRules::loadingDropsInvalidRows()
{
    const MacroEvent stored[] = {
        ev(0x81, 0, 3), // no such button
        ev(0x81, 0, 16),  ev(0x01, 0, 16), ev(0x82, 0, 10), // a move stored with the press bit
        ev(0x02, 0, 0), // a move that goes nowhere
        ev(0x02, 200, 0), // up 56
        ev(0x86, 1, 2),   ev(0x84, 7, 4),  ev(0x03, 0, 1),  ev(0x00, 0, 0),
    };
    const QVector<MacroEvent> rows = sanitized(stored, int(sizeof(stored) / sizeof(stored[0])));
    QCOMPARE(rows,
             QVector<MacroEvent>({ ev(0x81, 0, 16), ev(0x01, 0, 16), ev(0x02, 0, 10), ev(0x02, 200, 0),
                                   ev(0x06, 1, 2), ev(0x84, 0, 4) }));
    Direction direction;
    int distance = 0;
    QVERIFY(moveOf(rows[3], direction, distance));
    QCOMPARE(direction, MoveUp);
    QCOMPARE(distance, 56);
    QCOMPARE(DescribeMacroEvent(rows[2], 10).key, MacroDirectionName(MoveRight));
    QCOMPARE(DescribeMacroEvent(rows[4], 10).delay, QStringLiteral("2580 ms"));
}

void TestMacroRules::rowEditing()
{
    MacroEventModel model;
    MacroRowEditor rows(&model, 10);
    const QVector<MacroEvent> abc = { ev(0x84, 0, 4), ev(0x84, 0, 5), ev(0x84, 0, 6) };
    model.setEvents(abc);
    int current = 2;
    rows.moveDown(current); // at the end: nothing
    QCOMPARE(current, 2);
    rows.moveToTop(current);
    QCOMPARE(current, 0);
    QCOMPARE(model.event(0), abc[2]);
    rows.moveDown(current);
    QCOMPARE(current, 1);
    QCOMPARE(model.events(), QVector<MacroEvent>({ abc[0], abc[2], abc[1] }));
    rows.moveToBottom(current);
    QCOMPARE(current, 2);
    QCOMPARE(model.event(2), abc[2]);
    rows.moveUp(current);
    QCOMPARE(current, 1);

    QVERIFY(rows.insertDelay(current, 10));
    QCOMPARE(current, 2);
    QCOMPARE(model.event(2), ev(6, 0, 1));
    rows.deleteCurrent(current); // the row now at that index becomes current
    QCOMPARE(current, 2);
    QCOMPARE(model.rowCount(), 3);
    current = 2;
    rows.deleteCurrent(current); // the last row: the new last row
    QCOMPARE(current, 1);
    int none = -1;
    QVERIFY(rows.insertAfter(none, { ev(6, 0, 9) })); // no current row: at the end
    QCOMPARE(none, 2);
    rows.clear(current);
    QCOMPARE(current, -1);
    QCOMPARE(model.rowCount(), 0);
    rows.deleteCurrent(current);
    rows.moveUp(current);
    QCOMPARE(current, -1);

    QCOMPARE(rows.delayAfterMouseEvent(0, 300), QVector<MacroEvent>());
    QCOMPARE(rows.delayAfterMouseEvent(1, 300), QVector<MacroEvent>({ ev(6, 0, 1) }));
    QCOMPARE(rows.delayAfterMouseEvent(2, 300), QVector<MacroEvent>({ ev(6, 0, 30) }));
}

void TestMacroRules::rowLimitAndClipboard()
{
    MacroEventModel model;
    MacroRowEditor rows(&model, 10);
    model.setEvents(QVector<MacroEvent>(62, ev(6, 0, 1)));
    int current = 0;
    QVERIFY(!rows.insertAfter(current, { ev(0x81, 0, 1), ev(0x01, 0, 1) }));
    QCOMPARE(model.rowCount(), 62);
    QCOMPARE(current, 0);
    QVERIFY(rows.insertDelay(current, 10));
    QCOMPARE(model.rowCount(), 63);
    QVERIFY(!rows.insertDelay(current, 10));

    // Copy from one macro, paste into another; cut removes the rows it copied.
    model.setEvents({ ev(0x84, 0, 4), ev(6, 0, 2), ev(4, 0, 4), ev(0x84, 0, 5) });
    rows.copy({ 2, 0, 2 });
    QCOMPARE(MacroRowEditor::clipboard(), QVector<MacroEvent>({ ev(0x84, 0, 4), ev(4, 0, 4) }));
    MacroEventModel other;
    MacroRowEditor otherRows(&other, 10);
    other.setEvents({ ev(6, 0, 7) });
    int target = 0;
    QVERIFY(otherRows.paste(target));
    QCOMPARE(target, 2);
    QCOMPARE(other.events(), QVector<MacroEvent>({ ev(6, 0, 7), ev(0x84, 0, 4), ev(4, 0, 4) }));
    current = 1;
    rows.cut({ 1, 3 }, current);
    QCOMPARE(model.events(), QVector<MacroEvent>({ ev(0x84, 0, 4), ev(4, 0, 4) }));
    QCOMPARE(current, 1);
    QCOMPARE(MacroRowEditor::clipboard(), QVector<MacroEvent>({ ev(6, 0, 2), ev(0x84, 0, 5) }));
    // A paste that would not fit is refused whole.
    other.setEvents(QVector<MacroEvent>(62, ev(6, 0, 1)));
    QVERIFY(!otherRows.paste(target));
    QCOMPARE(other.rowCount(), 62);
    MacroRowEditor::clearClipboard();
    QVERIFY(!rows.paste(current));
}

void TestMacroRules::gunSetEvents()
{
    QCOMPARE(GunSetEvents({ { 100, 5, 0 } }),
             QVector<MacroEvent>({ ev(0x01, 0, 1), ev(0x81, 0, 1), ev(0x02, 5, 0), ev(0x06, 0, 10) }));
    QCOMPARE(GunSetEvents({ { 250, -3, 4 } }),
             QVector<MacroEvent>(
                 { ev(0x01, 0, 1), ev(0x81, 0, 1), ev(0x02, 253, 0), ev(0x02, 0, 4), ev(0x06, 0, 25) }));
    QCOMPARE(GunSetEvents({ { 0, 0, 0 } }), QVector<MacroEvent>({ ev(0x01, 0, 1), ev(0x81, 0, 1) }));
    QCOMPARE(GunSetEvents({ { 999, -100, -100 } }).mid(2),
             QVector<MacroEvent>({ ev(0x02, 156, 0), ev(0x02, 0, 156), ev(0x06, 0, 99) }));
    const QVector<GunBullet> many(7, GunBullet { 100, 1, 1 });
    QCOMPARE(GunSetEvents(many).size(), 25); // five bullets at most
}

void TestMacroRules::freeNames()
{
    TestAppDir dir(TestAppDir::Installed);
    QVERIFY(SaveMacroFile("spray", MacroFileData()));
    QVERIFY(SaveMacroFile("spray_2", MacroFileData()));
    QVERIFY(AddToMacroList("listed")); // listed without a file: still taken
    QCOMPARE(FreeMacroName("spray"), QStringLiteral("spray_3"));
    QCOMPARE(FreeMacroName("listed"), QStringLiteral("listed_2"));
    QCOMPARE(FreeMacroName("fresh"), QStringLiteral("fresh"));
    QVERIFY(UsableMacroName("a b.c"));
    for (const QString &bad : { QString(), QStringLiteral(".."), QStringLiteral("a/b"),
                                QStringLiteral("a\\b"), QString(101, QLatin1Char('x')) })
        QVERIFY2(!UsableMacroName(bad), qPrintable(bad));
}

QTEST_GUILESS_MAIN(TestMacroRules)
#include "test_macrorules.moc"
