#include "core/MouseOperations.h"

#include "device/link/StatusThreadControl.h"
#include "device/upload/CommandSet.h"
#include "device/upload/TarnProcessThread.h"
#include "device/upload/UploadThreadState.h"

#include <QEventLoop>

OperationResult MouseOperations::selectSlot(int slot)
{
    // The status thread must not read while the switch is written.
    StopStatusThread();
    // The mouse answers no select frame; the apply frames after it tell whether it took the switch.
    SelectProfile(slot);
    const quint8 applied = ApplyAll();
    StartStatusThread();
    return OperationResult::fromDevice(applied);
}

OperationResult MouseOperations::upload(const ConfigData &config, bool sendEverything,
                                        const UploadWaiter &waiter)
{
    UploadSnapshot() = config;
    TarnProcessThread thread;
    thread.setSendEverything(sendEverything);
    thread.start(QThread::InheritPriority);
    if (waiter) {
        waiter(thread);
    } else {
        // Waiting in an event loop lets a virtual mouse's timeline play during the upload.
        QEventLoop loop;
        QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
        if (!thread.isFinished())
            loop.exec();
    }
    thread.wait();
    if (!thread.saveFailure().isEmpty()) {
        OperationResult result = OperationResult::cannotWrite(thread.saveFailure());
        result.device = thread.status();
        return result;
    }
    return OperationResult::fromDevice(thread.status());
}
