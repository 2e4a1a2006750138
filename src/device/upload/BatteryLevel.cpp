#include "device/upload/BatteryLevel.h"

int batteryLevelFromVoltage(quint8 lo, quint8 hi, int fullMillivolts)
{
    const int raw = hi * 256 + lo;
    const int scaled = raw * 990;
    if (scaled / 240 >= fullMillivolts)
        return 100;
    // Lower bounds of the scaled reading for 90 % down to 20 %; note the step from 3700 to 3500 mV.
    static const int thresholds[] = { 983999, 959999, 935999, 911999, 887999, 839999, 815999, 767999 };
    int level = 90;
    for (const int threshold : thresholds) {
        if (scaled > threshold)
            return level;
        level -= 10;
    }
    return 10;
}
