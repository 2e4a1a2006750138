#pragma once

#include "sensors/SensorSpec.h"

#include <QString>

// The resolutions a sensor offers, as the stage sliders count them: positions and the DPI each
// stands for, read through the sensor formulas.
class DpiScale
{
public:
    // The scale of `sensor`.
    explicit DpiScale(const SensorSpec &sensor);

    // True when the formulas know the sensor.
    bool known() const;
    // The DPI of slider position `code`.
    int dpiOf(int code) const { return m_sensor.dpiOf(code); }
    // The slider position that stands for exactly `dpi`; -1 when none does.
    int codeOf(int dpi) const;
    // True when X and Y of a stage may differ.
    bool linkOffered() const { return m_sensor.range.linkOffered; }
    // One line naming the offered values: "100 to 26000 in steps of 50 up to 16000, then 100", and
    // for `dpi` the nearest offered values below and above it.
    QString describe(int dpi) const;

private:
    SensorSpec m_sensor;
};
