#pragma once

#include <QtGlobal>

// Battery level in percent (10 to 100, in steps of 10) from the battery reading of a battery report;
// 100 at or above `fullMillivolts` ("Config/BatteryFull").
int batteryLevelFromVoltage(quint8 lo, quint8 hi, int fullMillivolts);
