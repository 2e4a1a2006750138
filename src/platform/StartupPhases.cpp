#include "platform/StartupPhases.h"

#include "platform/LogCategories.h"

#include <ctime>

namespace {
// Processor time of the whole process so far, in milliseconds.
double processorMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
} // namespace

StartupPhases::StartupPhases()
{
    m_clock.start();
}

void StartupPhases::mark(const char *name) const
{
    qCDebug(lcStartup, "startup phase %s: %.1f ms (processor %.1f ms)", name, m_clock.nsecsElapsed() / 1e6,
            processorMs());
}
