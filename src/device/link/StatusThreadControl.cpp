#include "device/link/StatusThreadControl.h"

namespace {
struct Hooks
{
    std::function<void()> stop;
    std::function<void()> start;
};

Hooks &hooks()
{
    static Hooks installed;
    return installed;
}
} // namespace

void SetStatusThreadControl(std::function<void()> stop, std::function<void()> start)
{
    hooks() = { std::move(stop), std::move(start) };
}

void StopStatusThread()
{
    if (hooks().stop)
        hooks().stop();
}

void StartStatusThread()
{
    if (hooks().start)
        hooks().start();
}
