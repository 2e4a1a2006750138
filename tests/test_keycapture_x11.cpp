#include "XdoTool.h"
#include "platform/KeyScanCodes.h"
#include "platform/X11RecordCapture.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

// The system-wide capture on a real X server, with keys typed through XTEST.
class TestKeyCaptureX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void capturesKeysOfOtherWindows();
    void grabKeepsKeysFromOtherWindows();
};

namespace {
// Key codes of the captured events, presses only.
QList<int> pressedCodes(const QSignalSpy &spy)
{
    QList<int> codes;
    for (const QList<QVariant> &args : spy) {
        const CapturedKey key = args.at(0).value<CapturedKey>();
        if (key.pressed)
            codes << CaptureKeyCode(key.makeCode, key.extended);
    }
    return codes;
}
} // namespace

void TestKeyCaptureX11::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
    QVERIFY(X11RecordCapture::available());
    qRegisterMetaType<CapturedKey>();
}

void TestKeyCaptureX11::capturesKeysOfOtherWindows()
{
    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    X11RecordCapture capture;
    QSignalSpy spy(&capture, &KeyboardCapture::keyEvent);
    QVERIFY(capture.start(false));
    QVERIFY(!capture.isGrabbing());
    // Keycode 105 is right Ctrl: by its name xdotool would press a left Ctrl along with it.
    QVERIFY(xdotool({ "key", "Home", "KP_Home", "105", "a" }));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 8, 5000);
    QCOMPARE(pressedCodes(spy), QList<int>({ 71, 235, 238, 30 }));
    QTRY_COMPARE(other.text(), QStringLiteral("a"));

    // With Num Lock on, keypad 7 is still keypad 7 (keycodes, as xdotool adds modifiers to keysyms).
    spy.clear();
    QVERIFY(xdotool({ "key", "77", "79", "77" })); // Num Lock, keypad 7, Num Lock
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 6, 5000);
    QCOMPARE(pressedCodes(spy), QList<int>({ 225, 235, 225 }));
    capture.stop();
}

void TestKeyCaptureX11::grabKeepsKeysFromOtherWindows()
{
    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    {
        X11RecordCapture capture;
        QSignalSpy spy(&capture, &KeyboardCapture::keyEvent);
        QVERIFY(capture.start(true));
        QVERIFY(capture.isGrabbing());
        QVERIFY(xdotool({ "type", "xyz" }));
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 6, 5000);
        QTest::qWait(100);
        QCOMPARE(other.text(), QString());
    } // the capture ends with the scope and must give the keyboard back
    QVERIFY(xdotool({ "type", "ok" }));
    QTRY_COMPARE_WITH_TIMEOUT(other.text(), QStringLiteral("ok"), 5000);
}

QTEST_MAIN(TestKeyCaptureX11)
#include "test_keycapture_x11.moc"
