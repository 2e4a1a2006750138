#pragma once

#include <QString>

// A full upload (every group, macros on several buttons) to a virtual mouse without latency, in the
// program folder AppPaths points at. Returns one line: time, reports, the floor set by the protocol's
// fixed pauses, and the ratio to it.
QString uploadFigure();
