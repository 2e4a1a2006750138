#pragma once

#include <functional>
#include <mutex>

// The upload and the hot-plug handling pause the background status thread through these hooks;
// the session installs its status runner's. Without hooks, stopping and starting do nothing.
class StatusThreadControl
{
public:
    // Installs the functions that stop (and join) and start the status thread (null: none).
    void SetStatusThreadControl(std::function<void()> stop, std::function<void()> start);
    // Stops the status thread and returns once it has left the device handles.
    void StopStatusThread();
    // Starts the status thread again; nothing while an upload holds it.
    void StartStatusThread();
    // An upload begins (before StopStatusThread, so that no start comes in between): a device
    // reopened by hot plug meanwhile must not start the status thread, which would take the upload's
    // replies.
    void HoldForUpload();
    // The upload ended; the caller decides whether the status thread starts again.
    void ReleaseUpload();
    // True while an upload holds the status thread: every start is refused, a queued one included.
    bool HeldForUpload() const;

private:
    std::function<void()> hook(bool stop);

    mutable std::mutex m_mutex;
    std::function<void()> m_stop;
    std::function<void()> m_start;
    bool m_held = false;
};
