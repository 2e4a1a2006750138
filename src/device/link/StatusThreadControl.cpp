#include "device/link/StatusThreadControl.h"

void StatusThreadControl::SetStatusThreadControl(std::function<void()> stop, std::function<void()> start)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = std::move(stop);
    m_start = std::move(start);
}

std::function<void()> StatusThreadControl::hook(bool stop)
{
    // Copied out, so that a hook may run while another thread installs new ones.
    std::lock_guard<std::mutex> lock(m_mutex);
    return stop ? m_stop : m_start;
}

void StatusThreadControl::StopStatusThread()
{
    if (const auto stop = hook(true))
        stop();
}

void StatusThreadControl::StartStatusThread()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_held)
            return;
    }
    if (const auto start = hook(false))
        start();
}

void StatusThreadControl::HoldForUpload()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_held = true;
}

void StatusThreadControl::ReleaseUpload()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_held = false;
}

bool StatusThreadControl::HeldForUpload() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_held;
}
