#pragma once

#include "SoakMouse.h"

// The soak's mouse when the program runs on the mock kernel's nodes: each step is a request to the
// parent process that owns the mock kernel (MockKernelSoak), answered once it is done. Requests are
// lines ("unplug", "plug", "report <hex>", "forget") on one descriptor, answers "ok" on another.
class MockKernelClient : public SoakMouse
{
public:
    // The descriptors the parent hands its child for requests and for answers.
    static constexpr int RequestDescriptor = 3;
    static constexpr int AnswerDescriptor = 4;

    // Pulls the receiver out; returns once its udev events are sent.
    void unplug() override;
    // Plugs the receiver in; returns once its udev events are sent.
    void plug() override;
    // The report comes through the receiver's vendor node.
    void sendReport(const QByteArray &report) override;
    // Forgets the reports written so far.
    void forgetReports() override;

private:
    // Sends one request and waits for its answer; a parent gone ends the process.
    void ask(const QByteArray &request);
};
