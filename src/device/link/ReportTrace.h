#pragma once

#include <QtGlobal>

#include <mutex>

// The report trace of one device link: appends one line per report to the file named by
// MOUSECFG_TRACE, when set: the direction ('W' written, 'R' read) and the report as lowercase hex.
class ReportTrace
{
public:
    // Appends one report; callable from any thread.
    void traceReport(char direction, const quint8 *data, int length);

private:
    std::mutex m_mutex;
};
