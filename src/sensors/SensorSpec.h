#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// Everything the program knows of one optical sensor: how its DPI stage sliders count, how a
// position goes out on the wire, and the sniper step it offers. One row per sensor code lives in
// SensorTable.cpp; nothing else switches on a sensor code.

enum class DpiAxis { X, Y };

// Register byte and range byte of one axis value.
struct AxisBytes
{
    quint8 reg = 0;
    quint8 range = 0;
};

// Where the two axes go in a stage's payload.
enum class AxisOrder {
    XThenY, // bytes 1-2 carry X, bytes 3-4 carry Y
    YThenX, // the axes swap places
    XOnly,  // Y's bytes repeat X's
};

// The positions a stage slider offers, and whether X and Y may be set apart ("Link XY").
struct DpiSliderRange
{
    int minimum = 1;
    int maximum = 100;
    bool linkOffered = false;
};

// The slider range of the sniper step.
struct SniperRange
{
    int minimum = 1;
    int maximum = 10;
};

// What a sensor the program does not know does: no DPI, zeros on the wire, the fixed sniper byte.
namespace UnknownSensor {
inline int dpiOf(int)
{
    return 0;
}
inline AxisBytes encodeAxis(quint32, DpiAxis, quint8)
{
    return {};
}
inline quint8 sniperCode(quint8)
{
    return 0x04;
}
} // namespace UnknownSensor

// A default-made row is the unknown sensor's.
struct SensorSpec
{
    // The sensor code ("MouseSenSor/1"); 0 for a code the program does not know.
    int code = 0;
    // The DPI that slider position `position` stands for.
    int (*dpiOf)(int position) = UnknownSensor::dpiOf;
    // The stage slider range (already resolved for the product, see SensorSpecFor).
    DpiSliderRange range;
    // Register and range bytes of one axis value; `deviceType` is the last battery report's byte 10.
    AxisBytes (*encodeAxis)(quint32 value, DpiAxis axis, quint8 deviceType) = UnknownSensor::encodeAxis;
    AxisOrder axisOrder = AxisOrder::XThenY;
    SniperRange sniper;
    // The step a sniper dialog opens at when the stored step lies outside `sniper`; 0: the stored
    // step is brought to the nearest end of the range instead.
    int sniperPreset = 0;
    // The byte that carries sniper step `step` in a button record.
    quint8 (*sniperCode)(quint8 step) = UnknownSensor::sniperCode;

    // The step a sniper dialog opens at for a stored step.
    int sniperStepFor(int stored) const;
    // True for a sensor the program knows.
    bool known() const { return code != 0; }
};

// The row of `code` with its slider range resolved for product `productName`, whose "33254" setting
// is `flag33254`; an unknown code gives a row that shows 0 DPI and sends zeros.
SensorSpec SensorSpecFor(int code, const QString &productName = QString(), int flag33254 = 0);
// Every sensor code the program knows, in table order.
QVector<int> KnownSensorCodes();
