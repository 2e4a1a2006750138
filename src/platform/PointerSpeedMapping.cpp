#include "platform/PointerSpeedMapping.h"

#include <QtGlobal>

#include <cmath>

using namespace PointerSpeedRange;

double LibinputAccelFromSpeed(int speed)
{
    const int s = qBound(Slowest, speed, Fastest);
    return -1.0 + 2.0 * (s - Slowest) / (Fastest - Slowest);
}

int SpeedFromLibinputAccel(double accel)
{
    const double a = qBound(-1.0, accel, 1.0);
    return qBound(Slowest, int(std::lround(Slowest + (a + 1.0) * (Fastest - Slowest) / 2.0)), Fastest);
}

void CoreAccelFromSpeed(int speed, int *numerator, int *denominator)
{
    *numerator = qBound(Slowest, speed, Fastest);
    *denominator = Default;
}

int SpeedFromCoreAccel(int numerator, int denominator)
{
    if (denominator <= 0 || numerator <= 0)
        return Default;
    return qBound(Slowest, int(std::lround(double(numerator) * Default / denominator)), Fastest);
}
