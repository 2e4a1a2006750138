#include "platform/KeyScanCodes.h"
#include "platform/WindowKeyCapture.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <linux/input-event-codes.h>

// Key numbering conversions and the window-bound capture (offscreen).
class TestKeyCapture : public QObject
{
    Q_OBJECT
private slots:
    void makeCodesOfTheMainBlock();
    void makeCodesPastTheMainBlock();
    void sharedMakeCodesGetTheirOwnKeyCode();
    void windowCaptureReadsAndSwallows();
};

void TestKeyCapture::makeCodesOfTheMainBlock()
{
    for (int linuxKey = KEY_ESC; linuxKey <= KEY_KPDOT; ++linuxKey) {
        quint16 make = 0;
        bool extended = true;
        QVERIFY(LinuxKeyToMakeCode(linuxKey, make, extended));
        QCOMPARE(make, quint16(linuxKey));
        // Num Lock is the one key of the block that the keyboard reports as extended.
        QCOMPARE(extended, linuxKey == KEY_NUMLOCK);
    }
    quint16 make = 7;
    bool extended = false;
    for (int unknown : { 0, 84, KEY_MACRO, 0x2ff, -5 })
        QVERIFY2(!LinuxKeyToMakeCode(unknown, make, extended), qPrintable(QString::number(unknown)));
    QCOMPARE(make, quint16(7));
}

void TestKeyCapture::makeCodesPastTheMainBlock()
{
    const struct
    {
        int linuxKey;
        quint16 make;
        bool extended;
    } rows[] = {
        // Keys that share a make code with a keypad or left-hand key differ by the flag alone.
        { KEY_KPENTER, 28, true }, { KEY_RIGHTCTRL, 29, true }, { KEY_KPSLASH, 53, true },
        { KEY_SYSRQ, 55, true },   { KEY_RIGHTALT, 56, true },  { KEY_HOME, 71, true },
        { KEY_DELETE, 83, true },  { KEY_PAUSE, 69, false },    { KEY_LEFTMETA, 91, true },
        { KEY_F11, 87, false },    { KEY_MUTE, 0x20, true },
    };
    for (const auto &row : rows) {
        quint16 make = 0;
        bool extended = !row.extended;
        QVERIFY(LinuxKeyToMakeCode(row.linuxKey, make, extended));
        QCOMPARE(make, row.make);
        QCOMPARE(extended, row.extended);
    }
}

void TestKeyCapture::sharedMakeCodesGetTheirOwnKeyCode()
{
    // make code, extended -> key code; each shared make code checked under both flags.
    const struct
    {
        quint16 make;
        int plain;
        int extended;
    } rows[] = {
        { 83, 224, 83 }, { 69, 69, 225 }, { 53, 53, 226 }, { 55, 227, 55 }, { 73, 228, 73 }, { 28, 28, 229 },
        { 79, 230, 79 }, { 80, 231, 80 }, { 81, 232, 81 }, { 75, 233, 75 }, { 77, 234, 77 }, { 71, 235, 71 },
        { 72, 236, 72 }, { 82, 237, 82 }, { 29, 29, 238 }, { 56, 56, 239 },
    };
    for (const auto &row : rows) {
        QCOMPARE(CaptureKeyCode(row.make, false), row.plain);
        QCOMPARE(CaptureKeyCode(row.make, true), row.extended);
    }
    // Keys that share nothing keep their make code under either flag.
    for (quint16 make : { 30, 42, 54, 74, 76, 78, 91, 92 }) {
        QCOMPARE(CaptureKeyCode(make, false), int(make));
        QCOMPARE(CaptureKeyCode(make, true), int(make));
    }
}

void TestKeyCapture::windowCaptureReadsAndSwallows()
{
    QLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    WindowKeyCapture capture(&edit);
    QVERIFY(!capture.isSystemWide());
    QSignalSpy spy(&capture, &KeyboardCapture::keyEvent);
    QVERIFY(capture.start(false));

    QTest::keyClick(edit.windowHandle(), Qt::Key_A);
    QTest::keyClick(edit.windowHandle(), Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(edit.windowHandle(), Qt::Key_Home);
    QTest::keyClick(edit.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(spy.count(), 8);
    const auto at = [&](int i) { return spy.at(i).at(0).value<CapturedKey>(); };
    QCOMPARE(at(0).makeCode, quint16(30));
    QVERIFY(at(0).pressed);
    QVERIFY(!at(1).pressed);
    QCOMPARE(CaptureKeyCode(at(2).makeCode, at(2).extended), 235);
    QCOMPARE(CaptureKeyCode(at(4).makeCode, at(4).extended), 71);
    QCOMPARE(CaptureKeyCode(at(6).makeCode, at(6).extended), 229);
    QCOMPARE(edit.text(), QStringLiteral("a7")); // not swallowed

    capture.start(true);
    QTest::keyClick(edit.windowHandle(), Qt::Key_B);
    QCOMPARE(spy.count(), 10);
    QCOMPARE(edit.text(), QStringLiteral("a7"));

    capture.stop();
    QTest::keyClick(edit.windowHandle(), Qt::Key_C);
    QCOMPARE(spy.count(), 10);
    QCOMPARE(edit.text(), QStringLiteral("ca7")); // after Home
}

QTEST_MAIN(TestKeyCapture)
#include "test_keycapture.moc"
