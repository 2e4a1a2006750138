#include "sensors/SensorSpec.h"

#include <QtTest>

// Every sensor row must be whole: a selectable sensor whose stages reach the mouse, a DPI scale that
// rises over the slider range, and a sniper dialog that never opens outside its own range.
class TestSensorTable : public QObject
{
    Q_OBJECT
private slots:
    void rowIsComplete_data();
    void rowIsComplete();
    void stagesReachTheMouse();
};

void TestSensorTable::rowIsComplete_data()
{
    QTest::addColumn<int>("code");
    const int codes[] = { 3104, 31042, 3212, 3311, 33112, 3325, 33252, 3327, 3333,
                          3335, 33352, 3360, 3370, 3389, 3395, 33952, 3399 };
    for (int code : codes)
        QTest::newRow(QByteArray::number(code).constData()) << code;
}

void TestSensorTable::rowIsComplete()
{
    QFETCH(int, code);
    QVERIFY(KnownSensorCodes().contains(code));
    const SensorSpec sensor = SensorSpecFor(code);
    QCOMPARE(sensor.code, code);
    QVERIFY(sensor.known());

    // The scale: every position shows a resolution, and a higher position a higher one.
    QVERIFY(sensor.range.minimum <= sensor.range.maximum);
    QVERIFY(sensor.dpiOf(sensor.range.minimum) > 0);
    for (int position = sensor.range.minimum + 1; position <= sensor.range.maximum; ++position)
        QVERIFY2(sensor.dpiOf(position) > sensor.dpiOf(position - 1), qPrintable(QString::number(position)));

    // The wire: a sensor the page offers has an encoding of its own, and its top stage is not zeros.
    QVERIFY(sensor.encodeAxis != UnknownSensor::encodeAxis);
    const AxisBytes top = sensor.encodeAxis(quint32(sensor.range.maximum), DpiAxis::X, 0);
    QVERIFY(top.reg != 0 || top.range != 0);

    // The sniper step: a range with a resolution, a preset inside it, stored steps kept or replaced
    // by one inside it.
    QVERIFY(sensor.sniper.minimum <= sensor.sniper.maximum);
    QVERIFY(sensor.dpiOf(sensor.sniper.minimum) > 0);
    if (sensor.sniperPreset != 0) {
        QVERIFY(sensor.sniperPreset >= sensor.sniper.minimum);
        QVERIFY(sensor.sniperPreset <= sensor.sniper.maximum);
    }
    for (int stored = 0; stored <= 255; ++stored) {
        const int step = sensor.sniperStepFor(stored);
        QVERIFY2(step >= sensor.sniper.minimum && step <= sensor.sniper.maximum,
                 qPrintable(QString::number(stored)));
        if (stored >= sensor.sniper.minimum && stored <= sensor.sniper.maximum)
            QCOMPARE(step, stored);
    }
}

void TestSensorTable::stagesReachTheMouse()
{
    struct Case
    {
        int code;
        quint32 position;
        DpiAxis axis;
        quint8 reg, range;
    };
    const Case cases[] = {
        // 3399 counts 0..599 in one 16-bit position, low byte first.
        { 3399, 0, DpiAxis::X, 0x00, 0x00 },
        { 3399, 399, DpiAxis::Y, 0x8F, 0x01 },
        { 3399, 599, DpiAxis::X, 0x57, 0x02 },
        // A code the program does not know sends zeros.
        { 4242, 50, DpiAxis::X, 0x00, 0x00 },
    };
    for (const Case &c : cases) {
        const AxisBytes bytes = SensorSpecFor(c.code).encodeAxis(c.position, c.axis, 0);
        const QByteArray what = QByteArray::number(c.code) + ' ' + QByteArray::number(c.position);
        QVERIFY2(bytes.reg == c.reg && bytes.range == c.range, what.constData());
    }
    // A sniper step stored below 3333's range opens at its preset, as one above it does.
    QCOMPARE(SensorSpecFor(3333).sniperStepFor(1), 3);
    QCOMPARE(SensorSpecFor(3333).sniperStepFor(11), 3);
}

QTEST_APPLESS_MAIN(TestSensorTable)
#include "test_sensortable.moc"
