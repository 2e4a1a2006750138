#include "device/status/BatteryReport.h"

#include "device/upload/BatteryLevel.h"

BatteryReport BatteryReport::fromBytes(quint8 charge, quint8 lowByte, quint8 highByte, int fullMillivolts)
{
    BatteryReport report;
    report.charge = charge;
    report.lowByte = lowByte;
    report.highByte = highByte;
    // The one rule for a sleeping mouse: it answers with no charge and no reading at all.
    report.asleep = charge == 0 && lowByte == 0 && highByte == 0;
    if (report.asleep)
        return report;
    report.charging = charge != 0;
    report.level = batteryLevelFromVoltage(lowByte, highByte, fullMillivolts);
    return report;
}

BatteryReport BatteryReport::fromFrame(const quint8 *frame, int fullMillivolts)
{
    BatteryReport report = fromBytes(frame[6], frame[4], frame[5], fullMillivolts);
    report.writeStatus = frame[7];
    report.deviceType = frame[10];
    return report;
}
