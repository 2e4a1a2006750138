#include "core/MouseOperations.h"

#include "device/session/MouseSession.h"
#include "device/upload/TarnProcessThread.h"
#include "storage/AppPaths.h"
#include "storage/ConfigData.h"
#include "storage/UploadSlots.h"
#include "storage/UploadUnconfirmed.h"

#include <QEventLoop>

namespace {

// Marks `result` when reports went unanswered since the count was `before`, and keeps the mark for
// "status"; a mark that cannot be written fails the operation as the upload's own marks do.
OperationResult noteConfirmation(MouseSession &session, quint32 before, OperationResult result)
{
    result.unconfirmed = result.device == ReportOk && session.link().UnconfirmedReports() != before;
    if (!SaveUploadUnconfirmed(result.unconfirmed) && result.ok()) {
        const quint8 device = result.device;
        result = OperationResult::cannotWrite(AppPaths::globalConfigFile());
        result.device = device;
    }
    return result;
}

} // namespace

OperationResult MouseOperations::selectSlot(MouseSession &session, int slot)
{
    // The status thread must not read while the switch is written.
    session.statusControl().StopStatusThread();
    const quint32 unconfirmed = session.link().UnconfirmedReports();
    // The mouse answers no select frame; the apply frames after it tell whether it took the switch.
    CommandSet &commands = session.upload().commands();
    commands.SelectProfile(slot);
    const quint8 applied = commands.ApplyAll();
    session.statusControl().StartStatusThread();
    return noteConfirmation(session, unconfirmed, OperationResult::fromDevice(applied));
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
    const quint32 unconfirmed = session.link().UnconfirmedReports();
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
        return noteConfirmation(session, unconfirmed, result);
    }
    return noteConfirmation(session, unconfirmed, OperationResult::fromDevice(thread.status()));
}
