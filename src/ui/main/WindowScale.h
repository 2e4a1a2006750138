#pragma once

#include <QSize>

// How the main window follows the screen's logical DPI: 17 scale steps from 1.0 to 5.0.
namespace WindowScale {

// The window's size in design units.
constexpr int DesignWidth = 999;
constexpr int DesignHeight = 640;
// Number of scale steps.
constexpr int StepCount = 17;

// The step for a logical DPI ratio (logical DPI / 96).
int stepForRatio(double ratio);
// The UiScale of a step (1.0, 1.25, ... 5.0); steps outside 0..16 are clamped.
double scaleForStep(int step);
// The window size of a step: design size times its scale, truncated.
QSize windowSizeForStep(int step);
// The step whose width (999, 1248, 1498 or 1748) lies within 9 pixels of `width`, or -1.
int snappedStepForWidth(int width);

} // namespace WindowScale
