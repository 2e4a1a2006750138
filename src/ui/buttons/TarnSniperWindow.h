#pragma once

#include "sensors/SensorSpec.h"

#include "ui/buttons/KeyDialogFrame.h"

class QLabel;
class QSlider;

// "Sniper Setting": the resolution step the button switches to while held.
class TarnSniperWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    // A dialog for the sensor of the current product (range and resolutions follow it).
    explicit TarnSniperWindow(const SensorSpec &sensor, QWidget *parent = nullptr);

    // Opens at a stored step; a value outside the sensor's range is replaced by its usual step.
    void preset(int stored);
    // The chosen step.
    int step() const;
    // The slider (for the keyboard and for tests).
    QSlider *slider() const { return m_slider; }
    // The resolution shown for the current step.
    QString resolutionText() const;

signals:
    // The step was preset.
    void SetSniperValue(int step);

private:
    void showResolution(int step);

    SensorSpec m_sensor;
    QSlider *m_slider;
    QLabel *m_resolution;
};
