#include "sensors/SensorSpec.h"

#include "sensors/SensorRegisters.h"

#include <QStringList>

namespace {

// ---- Position to DPI ----

int roundDownToTen(int value)
{
    return value / 10 * 10;
}

int dpi3104(int c)
{
    if (c > 106)
        return 80 * c - 4240;
    return 40 * c == 560 ? 500 : 40 * c;
}

int dpi3212(int c)
{
    if (c > 94) {
        const int dpi = roundDownToTen((c - 63) * 152);
        return dpi == 7290 ? 7200 : dpi;
    }
    if (c >= 64)
        return roundDownToTen((c - 32) * 76);
    // The low range lands a little off the round figures the sensor is sold with.
    const int dpi = roundDownToTen(38 * c);
    switch (dpi) {
    case 790:
        return 800;
    case 1210:
        return 1200;
    case 1630:
        return 1600;
    case 2390:
        return 2400;
    default:
        return dpi;
    }
}

int dpi3311(int c)
{
    return c > 120 ? (c - 120) * 200 + 12000 : 100 * c;
}

int dpi3325(int c)
{
    if (c > 75)
        return (c - 75) * 400 + 10000;
    return c > 50 ? (c - 50) * 200 + 5000 : 100 * c;
}

int dpi3327(int c)
{
    if (c == 106)
        return 16400;
    if (c > 92)
        return (c - 92) * 300 + 12300;
    return c > 61 ? (c - 61) * 200 + 6200 : 100 * (c + 1);
}

int dpi3333(int c)
{
    return c > 80 ? (c - 80) * 200 + 8000 : 100 * c;
}

int dpi3335(int c)
{
    return c > 160 ? (c - 160) * 200 + 16000 : 100 * c;
}

int dpi3370(int c)
{
    return c > 200 ? (c - 200) * 100 + 10000 : 50 * c;
}

int dpi3389(int c)
{
    return c > 320 ? (c - 320) * 100 + 16000 : 50 * c;
}

int dpi3395(int c)
{
    return c > 519 ? (c - 519) * 100 + 26000 : 50 * (c + 1);
}

int dpi3399(int c)
{
    return c > 399 ? (c - 399) * 100 + 20000 : 50 * (c + 1);
}

// ---- Axis encodings ----

// Register and range bytes keep the low byte of the 32-bit arithmetic, as the mouse expects.
AxisBytes bytes(quint32 reg, quint32 range)
{
    return { quint8(reg & 0xFF), quint8(range & 0xFF) };
}

AxisBytes littleEndian(quint32 value)
{
    return { quint8(value & 0xFF), quint8((value >> 8) & 0xFF) };
}

// Positions beyond `limit` are sent as (v - offset) with the high bit of the range byte set.
AxisBytes extended(quint32 value, quint32 limit, quint32 offset)
{
    if (value <= limit)
        return littleEndian(value);
    const quint32 w = value - offset;
    return { quint8(w & 0xFF), quint8(((w >> 8) & 0xFF) | 0x80) };
}

AxisBytes encode3104(quint32 v, DpiAxis, quint8)
{
    return v <= 106 ? bytes(v, 0) : bytes(v - 53, 1);
}

AxisBytes encode3212(quint32 v, DpiAxis, quint8)
{
    return v <= 63 ? bytes(v, 0) : v <= 94 ? bytes(v - 32, 1) : bytes(v - 63, 2);
}

AxisBytes encode3311(quint32 v, DpiAxis, quint8)
{
    return v <= 120 ? bytes(RegisterA(v), 0) : bytes(RegisterA(v - 60), 1);
}

AxisBytes encode3325(quint32 v, DpiAxis, quint8)
{
    return v <= 50 ? bytes(RegisterB(v), 0) : v <= 75 ? bytes(RegisterB(v - 25), 1) : bytes(RegisterB(v - 50), 2);
}

AxisBytes encode3327(quint32 v, DpiAxis, quint8)
{
    return v <= 61 ? bytes(RegisterC(v), 0) : v <= 92 ? bytes(RegisterC(v - 31), 1) : bytes(RegisterC(v - 52), 4);
}

AxisBytes encode3333(quint32 v, DpiAxis, quint8)
{
    return v <= 79 ? bytes(RegisterD(v), 0) : bytes(RegisterD(v - 40), 1);
}

AxisBytes encode3335(quint32 v, DpiAxis, quint8)
{
    return v <= 160 ? bytes(RegisterA(v), 0) : bytes(RegisterA(v - 80), 1);
}

AxisBytes encode3360(quint32 v, DpiAxis, quint8)
{
    return v <= 120 ? bytes(v - 1, 0) : bytes(v - 61, 1);
}

AxisBytes encode3370(quint32 v, DpiAxis, quint8)
{
    return v <= 200 ? bytes(v - 1, 0) : bytes(v - 101, 1);
}

AxisBytes encode3389(quint32 v, DpiAxis, quint8)
{
    return extended(v, 320, 160);
}

AxisBytes encode3395(quint32 v, DpiAxis, quint8 deviceType)
{
    return littleEndian(deviceType == 8 ? qMin<quint32>(v, 399) : v);
}

AxisBytes encode33952(quint32 v, DpiAxis axis, quint8)
{
    return extended(v, axis == DpiAxis::X ? 519 : 520, 260);
}

// Its whole slider range (0..599) fits a 16-bit position, as on the 3395.
AxisBytes encode3399(quint32 v, DpiAxis, quint8)
{
    return littleEndian(v);
}

// ---- Sniper step bytes ----

quint8 sniperAsStep(quint8 step)
{
    return step;
}
quint8 sniperBelowStep(quint8 step)
{
    return quint8(step - 1);
}
quint8 sniperTableA(quint8 step)
{
    return RegisterA(step);
}
quint8 sniperTableB(quint8 step)
{
    return RegisterB(step);
}
quint8 sniperTableC(quint8 step)
{
    return RegisterC(step);
}
// Sensors without a sniper register send the fixed byte.
constexpr auto sniperFixed = UnknownSensor::sniperCode;

// A row of the table, with the product-dependent slider ends beside it.
struct Row
{
    SensorSpec spec;
    // Upper slider end on a product whose "33254" is 1; 0 when the setting does not matter.
    int maximumWith33254 = 0;
    // Upper slider end on the products listed in shortRangeProduct(); 0 when none is short.
    int shortMaximum = 0;
};

Row row(int code, int (*dpiOf)(int), DpiSliderRange range, AxisBytes (*encode)(quint32, DpiAxis, quint8),
        AxisOrder order, SniperRange sniper, int sniperPreset, quint8 (*sniperCode)(quint8))
{
    Row r;
    r.spec.code = code;
    r.spec.dpiOf = dpiOf;
    r.spec.range = range;
    r.spec.encodeAxis = encode;
    r.spec.axisOrder = order;
    r.spec.sniper = sniper;
    r.spec.sniperPreset = sniperPreset;
    r.spec.sniperCode = sniperCode;
    return r;
}

const QVector<Row> &table()
{
    static const QVector<Row> rows = [] {
        constexpr auto XY = AxisOrder::XThenY;
        constexpr SniperRange Sniper10 { 1, 10 };
        QVector<Row> t;
        t << row(3104, dpi3104, { 14, 105, true }, encode3104, AxisOrder::YThenX, { 14, 26 }, 14, sniperAsStep);
        t << row(31042, dpi3104, { 14, 158, true }, encode3104, AxisOrder::YThenX, Sniper10, 0, sniperFixed);
        t << row(3212, dpi3212, { 16, 111, false }, encode3212, XY, { 16, 32 }, 16, sniperAsStep);
        t << row(3311, dpi3311, { 1, 120, false }, encode3311, XY, Sniper10, 0, sniperFixed);
        t << row(33112, dpi3311, { 1, 180, false }, encode3311, XY, Sniper10, 0, sniperFixed);
        t << row(3325, dpi3325, { 1, 50, false }, encode3325, XY, Sniper10, 3, sniperTableB);
        t.last().maximumWith33254 = 90;
        t << row(33252, dpi3325, { 1, 75, false }, encode3325, XY, Sniper10, 0, sniperFixed);
        t.last().maximumWith33254 = 90;
        t << row(3327, dpi3327, { 1, 106, false }, encode3327, XY, Sniper10, 3, sniperTableC);
        t.last().shortMaximum = 92;
        t << row(3333, dpi3333, { 2, 120, false }, encode3333, XY, { 2, 10 }, 3, sniperFixed);
        t << row(3335, dpi3335, { 1, 160, false }, encode3335, AxisOrder::XOnly, Sniper10, 3, sniperTableA);
        t << row(33352, dpi3335, { 1, 240, false }, encode3335, AxisOrder::XOnly, Sniper10, 0, sniperFixed);
        t << row(3360, dpi3311, { 1, 180, true }, encode3360, XY, Sniper10, 3, sniperBelowStep);
        t << row(3370, dpi3370, { 1, 290, false }, encode3370, XY, Sniper10, 0, sniperFixed);
        t << row(3389, dpi3389, { 2, 480, true }, encode3389, XY, { 2, 20 }, 6, sniperAsStep);
        t << row(3395, dpi3395, { 0, 519, false }, encode3395, XY, Sniper10, 0, sniperFixed);
        t << row(33952, dpi3395, { 0, 779, false }, encode33952, XY, Sniper10, 0, sniperFixed);
        t << row(3399, dpi3399, { 0, 599, true }, encode3399, XY, Sniper10, 0, sniperFixed);
        return t;
    }();
    return rows;
}

// Products whose 3327 sensor stops at 12400 DPI.
bool shortRangeProduct(const QString &product)
{
    static const QStringList names = { "K404-RGB", "BRISEN",   "4638",     "MURANE3", "FENWIX",
                                       "K314-RGB", "QUILLON2", "VESPERA2", "GARNOTH" };
    return names.contains(product);
}

} // namespace

int SensorSpec::sniperStepFor(int stored) const
{
    if (stored >= sniper.minimum && stored <= sniper.maximum)
        return stored;
    if (sniperPreset != 0)
        return sniperPreset;
    return qBound(sniper.minimum, stored, sniper.maximum);
}

SensorSpec SensorSpecFor(int code, const QString &productName, int flag33254)
{
    for (const Row &r : table()) {
        if (r.spec.code != code)
            continue;
        SensorSpec spec = r.spec;
        if (r.maximumWith33254 != 0 && flag33254 == 1)
            spec.range.maximum = r.maximumWith33254;
        if (r.shortMaximum != 0 && shortRangeProduct(productName))
            spec.range.maximum = r.shortMaximum;
        return spec;
    }
    return SensorSpec();
}

QVector<int> KnownSensorCodes()
{
    QVector<int> codes;
    for (const Row &r : table())
        codes << r.spec.code;
    return codes;
}
