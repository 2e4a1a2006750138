#pragma once

#include <QElapsedTimer>

// The clock of the program's start: each step that ends logs its time since the clock began, under
// the mousecfg.startup category (off unless asked for).
class StartupPhases
{
public:
    // Starts the clock.
    StartupPhases();
    // Logs that the step `name` ended now.
    void mark(const char *name) const;

private:
    QElapsedTimer m_clock;
};
