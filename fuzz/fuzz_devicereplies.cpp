#include "FuzzDevice.h"
#include "FuzzSupport.h"
#include "device/session/MouseSession.h"

#include "device/link/DeviceLink.h"
#include "device/status/TarnGetBatteryThread.h"
#include "device/upload/CommandSet.h"
#include "storage/ConfigRecords.h"
#include "virtualmouse/VirtualMouse.h"

#include <cstring>

namespace {

// Answers every read from the input: a control byte, then what it needs. Once the input is used up,
// reads get a true echo so that the run ends.
class ReplyStream
{
public:
    ReplyStream(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    int read(const QByteArray &last, quint8 *out, int length)
    {
        std::memset(out, 0, size_t(length));
        if (m_at >= m_size) {
            std::memcpy(out, last.constData(), size_t(qMin(length, last.size())));
            return length;
        }
        switch (next() % 4) {
        case 0: // any reply
            for (int i = 0; i < length && m_at < m_size; ++i)
                out[i] = next();
            return length;
        case 1: { // the echo with one byte changed
            std::memcpy(out, last.constData(), size_t(qMin(length, last.size())));
            const int at = next() % qMax(1, length);
            out[at] = next();
            return length;
        }
        case 2:
            return 0;
        default:
            return -1;
        }
    }

private:
    quint8 next() { return m_at < m_size ? m_data[m_at++] : 0; }

    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// The status thread's loop, run on the calling thread.
class StatusPass : public TarnGetBatteryThread
{
public:
    StatusPass()
        : TarnGetBatteryThread(fuzzSession().link(), fuzzSession().upload().state(),
                               fuzzSession().product().batteryFullMillivolts)
    { }
    using TarnGetBatteryThread::run;
};

} // namespace

// Any device replies: a battery query, a full upload of the factory configuration and, for one input
// in sixteen, the status thread's query pass, all answered from the input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VirtualMouse &mouse = fuzzMouse();
    if (size == 0)
        return 0;
    mouse.clearReports();
    ReplyStream stream(data + 1, size - 1);
    const auto answer = [&stream](const QByteArray &last, quint8 *out, int length) {
        return stream.read(last, out, length);
    };
    mouse.setReplySource(answer);

    static ConfigData config = [] {
        ConfigData factory;
        MakeFactoryConfig(factory);
        return factory;
    }();
    const quint8 query[ReportLength] = { ReportId, 0x24, ReportMarker, CmdBattery };
    fuzzSession().link().WriteCommandHandle(query, ReportLength);
    quint8 reply[ReportLength] = {};
    fuzzSession().link().ReadCommandHandle(reply, ReportLength, 0);

    if ((data[0] & 0xF0) == 0xF0) {
        StatusPass pass;
        int reads = 0;
        mouse.setReplySource([&](const QByteArray &last, quint8 *out, int length) {
            // Stopped at its first read, so that none of its pauses but the first 10 ms is waited.
            if (++reads >= 1)
                pass.requestStop();
            return stream.read(last, out, length);
        });
        pass.run();
    }
    mouse.setReplySource(answer);
    fuzzSession().upload().WriteProfileToDevice(config, AllGroups);
    mouse.setReplySource(nullptr);
    return 0;
}
