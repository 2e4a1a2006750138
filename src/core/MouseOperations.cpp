#include "core/MouseOperations.h"

#include "device/session/MouseSession.h"
#include "device/upload/TarnProcessThread.h"
#include "storage/ConfigData.h"
#include "storage/UploadSlots.h"

#include <QEventLoop>

OperationResult MouseOperations::selectSlot(MouseSession &session, int slot)
{
    // The status thread must not read while the switch is written.
    session.statusControl().StopStatusThread();
    // The mouse answers no select frame; the apply frames after it tell whether it took the switch.
    CommandSet &commands = session.upload().commands();
    commands.SelectProfile(slot);
    const quint8 applied = commands.ApplyAll();
    session.statusControl().StartStatusThread();
    return OperationResult::fromDevice(applied);
}

OperationResult MouseOperations::switchSlot(MouseSession &session, const ConfigData &config, int slot,
                                            const UploadWaiter &waiter)
{
    const OperationResult switched = selectSlot(session, slot);
    if (!switched.ok() || !(UnsentSlots() & (1 << slot)))
        return switched;
    ConfigData current = config;
    current.ProfileID = quint8(slot);
    return upload(session, current, true, waiter);
}

OperationResult MouseOperations::upload(MouseSession &session, const ConfigData &config, bool sendEverything,
                                        const UploadWaiter &waiter)
{
    session.upload().state().UploadSnapshot() = config;
    TarnProcessThread thread(session.upload());
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
