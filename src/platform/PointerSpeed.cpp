#include "platform/PointerSpeed.h"

#include "platform/PointerSpeedBackend.h"

namespace {

// Both written and read on the user-interface thread only.
int g_rememberedSpeed = PointerSpeedRange::Default;
std::unique_ptr<PointerSpeedBackend> g_backend;

PointerSpeedBackend &backend()
{
    if (!g_backend)
        g_backend = CreatePointerSpeedBackend(PointerSpeedSession::current());
    return *g_backend;
}

} // namespace

int GetSystemMouseSpeed()
{
    int speed = 0;
    return backend().read(&speed) ? speed : g_rememberedSpeed;
}

bool ApplySlotMouseSpeed(int speed)
{
    if (speed < PointerSpeedRange::Slowest || speed > PointerSpeedRange::Fastest)
        return false;
    g_rememberedSpeed = speed;
    return backend().apply(speed);
}

bool SystemMouseSpeedSettable()
{
    return backend().canSet();
}

bool SystemMouseSpeedOnlyWhileRunning()
{
    return backend().canSet() && backend().appliesOnlyWhileRunning();
}

void SetPointerSpeedBackend(std::unique_ptr<PointerSpeedBackend> replacement)
{
    g_backend = std::move(replacement);
}
