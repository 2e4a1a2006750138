#pragma once

#include "storage/SensorSettings.h"

#include <QtGlobal>

// The ranges the settings pages offer, shared with the key model so that both accept the same values.

// Lighting brightness and speed steps.
constexpr int LightingBrightnessMin = 1;
constexpr int LightingBrightnessMax = 3;
constexpr int LightingSpeedMin = 1;
constexpr int LightingSpeedMax = 5;
// The key response, lift-off and sensor mode ranges are those Config.ini is read with
// (storage/SensorSettings.h). The scroll speed of a slot:
constexpr int ScrollSpeedMin = 1;
constexpr int ScrollSpeedMax = 20;
// A slot's pointer speed, on the desktop scale of the profiles.
constexpr int PointerSpeedMin = 1;
constexpr int PointerSpeedMax = 20;

// The polling-rate codes in menu order: report intervals in milliseconds.
constexpr quint8 ReportRateCodes[4] = { 8, 4, 2, 1 };

// The rate in Hz of a polling-rate code; 0 for a code the menu does not offer.
inline int ReportRateHz(int code)
{
    for (const quint8 known : ReportRateCodes) {
        if (known == code)
            return 1000 / code;
    }
    return 0;
}
