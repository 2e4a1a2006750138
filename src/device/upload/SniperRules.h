#pragma once

// The sniper function's resolution step: its range on each sensor and the resolution it stands for.
struct SniperRange
{
    int minimum = 1;
    int maximum = 10;
};

// The slider range of the sniper step on sensor `sensor`.
SniperRange SniperRangeOf(int sensor);
// The step a dialog opens at for a stored step: out-of-range values are replaced per sensor.
int SniperPreset(int sensor, int stored);
