#include "ui/main/WindowScale.h"

#include <QtGlobal>

#include <iterator>

namespace WindowScale {

namespace {
// Upper ratio bound of every step but the last.
constexpr double StepBounds[StepCount - 1]
    = { 1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8, 3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8 };
// Widths a window manager may have left the window at after the user dragged it across screens.
constexpr int SnapWidths[] = { 999, 1248, 1498, 1748 };
constexpr int SnapTolerance = 9;
} // namespace

int stepForRatio(double ratio)
{
    for (int step = 0; step < StepCount - 1; ++step) {
        if (ratio < StepBounds[step])
            return step;
    }
    return StepCount - 1;
}

double scaleForStep(int step)
{
    return 1.0 + 0.25 * qBound(0, step, StepCount - 1);
}

QSize windowSizeForStep(int step)
{
    const double scale = scaleForStep(step);
    return QSize(int(DesignWidth * scale), int(DesignHeight * scale));
}

int snappedStepForWidth(int width)
{
    for (int step = 0; step < int(std::size(SnapWidths)); ++step) {
        if (qAbs(width - SnapWidths[step]) <= SnapTolerance)
            return step;
    }
    return -1;
}

} // namespace WindowScale
