#pragma once

#include <QtGlobal>

// Appends one line to the file named by MOUSECFG_TRACE, when set: the direction ('W' written,
// 'R' read) and the report as lowercase hex.
void traceReport(char direction, const quint8 *data, int length);
