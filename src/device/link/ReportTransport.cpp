#include "device/link/DeviceTable.h"
#include "platform/LogCategories.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QThread>

#include <cstring>

namespace {

constexpr int BufferSize = 64;
constexpr int ReadTimeoutMs = 150;
constexpr int WritePauseMs = 10;
constexpr int RereadPauseMs = 50;
constexpr int ReadFailureBudget = 29;
constexpr int MismatchBudget = 19;
constexpr int RewriteBudget = 2;
constexpr int EmptyReplyBudget = 5;
// How long a failed exchange waits for the session to reopen the device on what is left (a receiver
// or cable came or went), and how often one report may move to a new handle.
constexpr int HandleSwapWaitMs = 1000;
constexpr int HandleSwapBudget = 3;

enum Verdict { EchoMatches = 0, HeaderDiffers = 1, PayloadDiffers = 2 };

bool isBlockOrSettingsCommand(quint8 command)
{
    return command <= 10;
}

bool needsConfirmation(quint8 command)
{
    return isBlockOrSettingsCommand(command) || command == 0x40 || command == 0x46;
}

Verdict compareEcho(const quint8 *request, const quint8 *reply, int length)
{
    static const int headerBytes[] = { 0, 2, 3, 4, 5, 6 };
    for (const int i : headerBytes) {
        if (reply[i] != request[i])
            return HeaderDiffers;
    }
    if (!isBlockOrSettingsCommand(request[3]))
        return EchoMatches;
    // A payload length beyond the frame is a caller's error; only bytes of the frame are compared.
    const int payloadEnd = qMin(8 + int(request[6]), length);
    for (int i = 8; i < payloadEnd; ++i) {
        if (reply[i] != request[i])
            return PayloadDiffers;
    }
    return EchoMatches;
}

bool replyIsEmpty(const quint8 *reply)
{
    for (int i = 0; i < 8; ++i) {
        if (reply[i] != 0)
            return false;
    }
    return true;
}

} // namespace

quint8 ReportChecksum(const quint8 *frame)
{
    quint8 sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum = quint8(sum + frame[i]);
    return sum ^ 0x66;
}

quint32 DeviceLink::UnconfirmedReports() const
{
    return d->unconfirmed;
}

bool DeviceLink::handleClosed(const DeviceTable::PinnedHandle &handle) const
{
    return pinCommandHandle().generation != handle.generation;
}

bool DeviceLink::awaitNewHandle(DeviceTable::PinnedHandle &handle) const
{
    const QDeadlineTimer deadline(HandleSwapWaitMs);
    for (;;) {
        const DeviceTable::PinnedHandle now = pinCommandHandle();
        if (now.device && now.generation != handle.generation) {
            handle = now;
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

bool DeviceLink::awaitReopen(DeviceTable::PinnedHandle &handle) const
{
    // A hot-plug reopen closes the handles and enumerates before it opens them again; meanwhile a
    // mouse still connected has no handle for a moment.
    if (ConnectedDeviceCount() == 0)
        return false;
    const QDeadlineTimer deadline(HandleSwapWaitMs);
    while (!(handle = pinCommandHandle()).device) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

quint8 DeviceLink::SendReport(const quint8 *frame, int length)
{
    DeviceTable::PinnedHandle handle = pinCommandHandle();
    if (!handle.device && !awaitReopen(handle))
        return ReportNoDevice;

    length = qBound(0, length, BufferSize);
    quint8 request[BufferSize] = {};
    quint8 reply[BufferSize] = {};
    std::memcpy(request, frame, size_t(length));
    request[1] = ReportChecksum(request);
    const quint8 command = request[3];

    int readFailures = 0;
    int mismatches = 0;
    int rewrites = 0;
    int emptyReplies = 0;
    int verdict = EchoMatches;
    int swaps = 0;
    // The session closed the handle under this exchange and opened another: the report starts again there.
    const auto movedToNewHandle = [&] {
        if (swaps >= HandleSwapBudget || !awaitNewHandle(handle))
            return false;
        ++swaps;
        readFailures = mismatches = rewrites = emptyReplies = 0;
        verdict = EchoMatches;
        qCDebug(lcDevice, "The report goes again on the device reopened.");
        return true;
    };

    for (;;) { // write
        if (writePinned(handle, request, length) < 0) {
            // A node that went away fails before the session hears of it and reopens on what is left.
            if (movedToNewHandle())
                continue;
            qCDebug(lcDevice, "Unable to send a feature report.");
            return ReportWriteFailed;
        }
        QThread::msleep(WritePauseMs);
        if (!needsConfirmation(command))
            return ReportOk;

        bool rewrite = false;
        while (!rewrite) { // read
            if (readPinned(handle, reply, length, ReadTimeoutMs) < 0) {
                if (handleClosed(handle)) {
                    if (movedToNewHandle()) {
                        rewrite = true;
                        break;
                    }
                    return ReportWriteFailed;
                }
                if (++readFailures <= ReadFailureBudget) {
                    QThread::msleep(RereadPauseMs);
                    continue;
                }
                if (++rewrites > RewriteBudget)
                    return ReportNotConfirmed;
                break;
            }
            // A time-out leaves the reply buffer as it was; what it holds is judged all the same.
            if (replyIsEmpty(reply)) {
                if (++emptyReplies <= EmptyReplyBudget)
                    break;
                // Silence through the whole budget settles as sent; counted, so that it can be said.
                if (verdict == EchoMatches) {
                    ++d->unconfirmed;
                    return ReportOk;
                }
            } else {
                verdict = compareEcho(request, reply, length);
            }

            switch (verdict) {
            case PayloadDiffers:
                if (++rewrites > RewriteBudget)
                    return ReportNotConfirmed;
                emptyReplies = 0;
                rewrite = true;
                break;
            case HeaderDiffers:
                if (++mismatches <= MismatchBudget) {
                    QThread::msleep(RereadPauseMs);
                    emptyReplies = 0;
                    break;
                }
                if (++rewrites > RewriteBudget)
                    return ReportNotConfirmed;
                emptyReplies = 0;
                rewrite = true;
                break;
            default:
                return ReportOk;
            }
        }
    }
}
