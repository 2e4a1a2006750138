#pragma once

#include <functional>

// The upload pauses the background status thread through these hooks; whoever owns that thread
// installs them (the main window). Without hooks, stopping and starting do nothing.

// Installs the functions that stop (and join) and start the status thread.
void SetStatusThreadControl(std::function<void()> stop, std::function<void()> start);
// Stops the status thread and returns once it has left the device handles.
void StopStatusThread();
// Starts the status thread again.
void StartStatusThread();
