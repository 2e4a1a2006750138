#include "ui/buttons/SniperRules.h"

SniperRange SniperRangeOf(int sensor)
{
    switch (sensor) {
    case 3104:
        return { 14, 26 };
    case 3212:
        return { 16, 32 };
    case 3333:
        return { 2, 10 };
    case 3389:
        return { 2, 20 };
    default:
        return { 1, 10 };
    }
}

int SniperPreset(int sensor, int stored)
{
    switch (sensor) {
    case 3325:
    case 3327:
    case 3333:
    case 3335:
    case 3360:
        return stored == 0 || stored > 10 ? 3 : stored;
    case 3389:
        return stored < 2 || stored > 20 ? 6 : stored;
    case 3212:
        return stored < 17 || stored >= 33 ? 16 : stored;
    case 3104:
        return stored < 15 || stored > 26 ? 14 : stored;
    default:
        return stored;
    }
}

int SensorResolution(int sensor, int c)
{
    switch (sensor) {
    case 3104:
    case 31042:
        if (c > 106)
            return 80 * c - 4240;
        return 40 * c == 560 ? 500 : 40 * c;
    case 3212: {
        if (c > 94) {
            const int dpi = (c - 63) * 152 / 10 * 10;
            return dpi == 7290 ? 7200 : dpi;
        }
        if (c >= 64)
            return (c - 32) * 76 / 10 * 10;
        const int dpi = 38 * c / 10 * 10;
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
