#include "device/upload/DpiRules.h"

#include <QStringList>

namespace {

int roundDownToTen(int value)
{
    return value / 10 * 10;
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

// Products whose 3327 sensor stops at 12400 DPI.
bool shortRange3327(const QString &product)
{
    static const QStringList names = { "K404-RGB", "BRISEN",   "4638",     "MURANE3", "FENWIX",
                                       "K314-RGB", "QUILLON2", "VESPERA2", "GARNOTH" };
    return names.contains(product);
}

} // namespace

int DpiFromCode(int c, int sensor)
{
    switch (sensor) {
    case 3104:
    case 31042:
        if (c > 106)
            return 80 * c - 4240;
        return 40 * c == 560 ? 500 : 40 * c;
    case 3212:
        return dpi3212(c);
    case 3311:
    case 3360:
    case 33112:
        return c > 120 ? (c - 120) * 200 + 12000 : 100 * c;
    case 3325:
    case 33252:
        if (c > 75)
            return (c - 75) * 400 + 10000;
        return c > 50 ? (c - 50) * 200 + 5000 : 100 * c;
    case 3327:
        if (c == 106)
            return 16400;
        if (c > 92)
            return (c - 92) * 300 + 12300;
        return c > 61 ? (c - 61) * 200 + 6200 : 100 * (c + 1);
    case 3333:
        return c > 80 ? (c - 80) * 200 + 8000 : 100 * c;
    case 3335:
    case 33352:
        return c > 160 ? (c - 160) * 200 + 16000 : 100 * c;
    case 3370:
        return c > 200 ? (c - 200) * 100 + 10000 : 50 * c;
    case 3389:
        return c > 320 ? (c - 320) * 100 + 16000 : 50 * c;
    case 3395:
    case 33952:
        return c > 519 ? (c - 519) * 100 + 26000 : 50 * (c + 1);
    case 3399:
        return c > 399 ? (c - 399) * 100 + 20000 : 50 * (c + 1);
    default:
        return 0;
    }
}

DpiSliderRange DpiRangeFor(int sensor, const QString &productName, int flag33254)
{
    switch (sensor) {
    case 3104:
        return { 14, 105, true };
    case 31042:
        return { 14, 158, true };
    case 3212:
        return { 16, 111, false };
    case 3311:
        return { 1, 120, false };
    case 3360:
        return { 1, 180, true };
    case 33112:
        return { 1, 180, false };
    case 3325:
        return { 1, flag33254 == 1 ? 90 : 50, false };
    case 33252:
        return { 1, flag33254 == 1 ? 90 : 75, false };
    case 3327:
        return { 1, shortRange3327(productName) ? 92 : 106, false };
    case 3333:
        return { 2, 120, false };
    case 3335:
        return { 1, 160, false };
    case 33352:
        return { 1, 240, false };
    case 3370:
        return { 1, 290, false };
    case 3389:
        return { 2, 480, true };
    case 3395:
        return { 0, 519, false };
    case 33952:
        return { 0, 779, false };
    case 3399:
        return { 0, 599, true };
    default:
        return {};
    }
}
