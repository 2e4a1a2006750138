#include "device/upload/UploadThreadState.h"

#include <atomic>

namespace {
std::atomic<bool> g_mouseAsleep { false };
} // namespace

ConfigData &UploadSnapshot()
{
    static ConfigData snapshot;
    return snapshot;
}

ConfigData &LastSentConfig()
{
    static ConfigData lastSent;
    return lastSent;
}

bool MouseAsleep()
{
    return g_mouseAsleep.load();
}

void SetMouseAsleep(bool asleep)
{
    g_mouseAsleep.store(asleep);
}
