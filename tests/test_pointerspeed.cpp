#include "platform/PointerSpeed.h"

#include <QtTest>

#include <X11/Xlib.h>

// The pointer speed against the X server the test runs on (Xvfb: no libinput, so the core pointer).
class TestPointerSpeed : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mappings();
    void setAndReadBack();
    void cleanupTestCase();

private:
    int m_numerator = 0;
    int m_denominator = 0;
    int m_threshold = 0;
};

namespace {

void pointerControl(int *numerator, int *denominator, int *threshold)
{
    Display *display = XOpenDisplay(nullptr);
    QVERIFY(display);
    XGetPointerControl(display, numerator, denominator, threshold);
    XCloseDisplay(display);
}

} // namespace

void TestPointerSpeed::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("XDG_SESSION_TYPE");
    // The X server's own backend, whatever desktop the test runs in.
    qunsetenv("XDG_CURRENT_DESKTOP");
    pointerControl(&m_numerator, &m_denominator, &m_threshold);
}

void TestPointerSpeed::mappings()
{
    QCOMPARE(LibinputAccelFromSpeed(1), -1.0);
    QCOMPARE(LibinputAccelFromSpeed(20), 1.0);
    QVERIFY(qAbs(LibinputAccelFromSpeed(10) + 1.0 / 19) < 1e-9);
    for (int speed = 1; speed <= 20; ++speed) {
        QCOMPARE(SpeedFromLibinputAccel(LibinputAccelFromSpeed(speed)), speed);
        int numerator = 0, denominator = 0;
        CoreAccelFromSpeed(speed, &numerator, &denominator);
        QCOMPARE(SpeedFromCoreAccel(numerator, denominator), speed);
    }
    QCOMPARE(SpeedFromLibinputAccel(0.0), 11); // libinput's default lands between 10 and 11
    QCOMPARE(SpeedFromLibinputAccel(5.0), 20);
    QCOMPARE(SpeedFromCoreAccel(2, 1), 20); // the X server's default acceleration
    QCOMPARE(SpeedFromCoreAccel(0, 0), 10);
}

void TestPointerSpeed::setAndReadBack()
{
    int numerator = 0, denominator = 0, threshold = 0;
    QVERIFY(ApplySlotMouseSpeed(5));
    pointerControl(&numerator, &denominator, &threshold);
    QCOMPARE(double(numerator) / denominator, 0.5);
    QCOMPARE(threshold, m_threshold);
    QCOMPARE(GetSystemMouseSpeed(), 5);
    QVERIFY(ApplySlotMouseSpeed(17));
    QCOMPARE(GetSystemMouseSpeed(), 17);
    // A slot that never learnt a speed changes nothing.
    QVERIFY(!ApplySlotMouseSpeed(0));
    QVERIFY(!ApplySlotMouseSpeed(21));
    QCOMPARE(GetSystemMouseSpeed(), 17);
}

void TestPointerSpeed::cleanupTestCase()
{
    if (m_denominator <= 0)
        return;
    Display *display = XOpenDisplay(nullptr);
    if (display) {
        XChangePointerControl(display, True, True, m_numerator, m_denominator, m_threshold);
        XCloseDisplay(display);
    }
}

QTEST_MAIN(TestPointerSpeed)
#include "test_pointerspeed.moc"
