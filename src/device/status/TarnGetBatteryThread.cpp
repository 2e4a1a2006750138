#include "device/status/TarnGetBatteryThread.h"

#include "device/link/DeviceLink.h"
#include "device/upload/CommandSet.h"
#include "device/upload/UploadThreadState.h"
#include "platform/LogCategories.h"
#include "storage/AppSettings.h"

#include <QDebug>

#include <cstring>

namespace {
// One query pass, then listening passes until the counter reaches this value.
constexpr int PassesPerCycle = 57;
constexpr int ReadTimeoutMs = 50;
const quint8 BatteryQuery[ReportLength] = { 0x05, 0x24, 0xFA, CmdBattery };
} // namespace

TarnGetBatteryThread::TarnGetBatteryThread(DeviceLink &link, UploadState &upload, int fullMillivolts,
                                           QObject *parent)
    : QThread(parent)
    , m_link(link)
    , m_upload(upload)
    , m_fullMillivolts(fullMillivolts)
{
    qRegisterMetaType<BatteryReport>();
    qRegisterMetaType<StatusReport>();
}

void TarnGetBatteryThread::requestStop()
{
    std::lock_guard<std::mutex> lock(m_pauseMutex);
    m_stop = true;
    m_pauseCondition.notify_all();
}

void TarnGetBatteryThread::stopAndWait()
{
    requestStop();
    wait();
}

void TarnGetBatteryThread::pause(int ms)
{
    std::unique_lock<std::mutex> lock(m_pauseMutex);
    m_pauseCondition.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stop.load(); });
}

void TarnGetBatteryThread::handleBatteryReport(const quint8 *reply)
{
    const BatteryReport report = BatteryReport::fromFrame(reply, m_fullMillivolts);
    m_upload.SetDeviceTypeByte(report.deviceType);
    emit RefreshBatteryStatus(report);
    if (!report.asleep)
        emit RefreshWriteStatus(report.writeStatus);
}

void TarnGetBatteryThread::run()
{
    qCDebug(lcUpload, "TarnGetBatteryThread.");
    int pass = 0;
    quint8 reply[ReportLength];
    while (!m_stop) {
        if (!m_link.CommandHandleOpen())
            break;
        std::memset(reply, 0, sizeof(reply));

        if (pass == 0) {
            if (m_link.WriteCommandHandle(BatteryQuery, ReportLength) < 0)
                qCDebug(lcUpload, "Unable to send a feature report.");
            pause(10);
            if (m_link.ReadCommandHandle(reply, ReportLength, ReadTimeoutMs) < 0) {
                emit RefreshBatteryStatus(BatteryReport());
            } else {
                qCDebug(lcUpload, "Threadread bat - %x %x %x %x %x %x %x %x", reply[0], reply[1], reply[2],
                        reply[3], reply[4], reply[5], reply[6], reply[7]);
                if (reply[3] == CmdBattery) {
                    handleBatteryReport(reply);
                } else if (reply[3] == CmdStatus) {
                    // The mouse's own report came before the answer, which the next read gets.
                    emit RefreshStatus(StatusReport::fromFrame(reply));
                }
            }
            pass = 2;
            pause(450);
            std::memset(reply, 0, sizeof(reply));
        } else {
            ++pass;
        }

        if (m_stop)
            break;
        if (m_link.ReadCommandHandle(reply, ReportLength, ReadTimeoutMs) < 0) {
            qCDebug(lcUpload, "Unable to read a feature report 1.");
            pause(450);
        } else if (reply[3] == CmdStatus) {
            emit RefreshStatus(StatusReport::fromFrame(reply));
            pause(400);
        } else {
            if (reply[3] == CmdBattery)
                handleBatteryReport(reply);
            pause(400);
        }
        if (pass == PassesPerCycle)
            pass = 0;
    }
    qCDebug(lcUpload, "TarnGetBatteryThread Stop.");
}
