#pragma once

#include <QString>

// What the running window knows of its mouse, as the D-Bus interface shows it.
struct MouseState
{
    QString connection = QStringLiteral("none"); // "none", "receiver" or "cable"
    uint battery = 0; // percent
    bool charging = false;
    bool asleep = false;
    uint slot = 1; // 1 to 5
    uint dpiStage = 1; // 1 to 8
    uint reportRate = 0; // Hz; 0 when not known

    bool operator==(const MouseState &other) const
    {
        return connection == other.connection && battery == other.battery && charging == other.charging
            && asleep == other.asleep && slot == other.slot && dpiStage == other.dpiStage
            && reportRate == other.reportRate;
    }
    bool operator!=(const MouseState &other) const { return !(*this == other); }
};
