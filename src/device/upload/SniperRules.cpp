#include "device/upload/SniperRules.h"

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

