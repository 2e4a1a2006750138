#pragma once

#include <QString>

// Slider positions of the DPI stages as the sensors count them, and the DPI they stand for.

// The DPI that position `code` stands for on sensor `sensor`; 0 for an unknown sensor.
int DpiFromCode(int code, int sensor);

// The positions a stage slider offers for a sensor, and whether X and Y may be linked.
struct DpiSliderRange
{
    int minimum = 1;
    int maximum = 100;
    bool linkOffered = false;
};

// The slider range of `sensor` on product `productName`; `flag33254` is the product's "33254" setting.
DpiSliderRange DpiRangeFor(int sensor, const QString &productName, int flag33254);
