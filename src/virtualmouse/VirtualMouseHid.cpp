#include "virtualmouse/VirtualMouse.h"

#include "virtualmouse/VirtualMouseTimeline.h"

#include <cerrno>
#include <cstring>

// The HidBackend side of the virtual mouse: what the device link sees of it.

namespace {

constexpr int CommandCollection = 4;
// Usage page and usage of collections 1 to 4: mouse, keyboard, consumer control, command.
constexpr quint16 CollectionUsages[VirtualMouse::CollectionCount][2]
    = { { 1, 2 }, { 1, 6 }, { 0x0C, 1 }, { 1, 0 } };

class VirtualHandle : public HidDevice
{
public:
    VirtualHandle(VirtualMouse::Link link, bool command, quint64 generation)
        : link(link)
        , command(command)
        , generation(generation)
    { }
    const VirtualMouse::Link link;
    const bool command;
    const quint64 generation;
};

} // namespace

int VirtualMouse::linkOfPath(const QByteArray &path, int *index) const
{
    for (const Link link : { Receiver, Cable }) {
        for (int i = 1; i <= CollectionCount; ++i) {
            if (qstricmp(path.constData(), this->path(link, i).constData()) == 0) {
                *index = i;
                return link;
            }
        }
    }
    return -1;
}

int VirtualMouse::init()
{
    m_timeline->start();
    return 0;
}

int VirtualMouse::exit()
{
    return 0;
}

QVector<HidDeviceRecord> VirtualMouse::enumerate(quint16 vendorId, quint16 productId)
{
    QVector<HidDeviceRecord> records;
    for (const Link link : { Receiver, Cable }) {
        for (int index = 1; index <= CollectionCount; ++index) {
            HidDeviceRecord record;
            record.path = path(link, index);
            std::lock_guard<std::mutex> lock(m_mutex);
            const LinkState &state = m_links[link];
            if (!state.plugged || (vendorId && vendorId != state.vendorId)
                || (productId && productId != state.productId))
                continue;
            record.vendorId = state.vendorId;
            record.productId = state.productId;
            record.releaseNumber = state.release;
            record.usagePage = CollectionUsages[index - 1][0];
            record.usage = CollectionUsages[index - 1][1];
            records.append(record);
        }
    }
    return records;
}

HidDevice *VirtualMouse::openPath(const char *path)
{
    int index = 0;
    const int link = linkOfPath(QByteArray(path), &index);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (link < 0 || !m_links[link].plugged)
        return nullptr;
    if (m_accessDenied) {
        errno = EACCES;
        return nullptr;
    }
    ++m_links[link].openHandles;
    return new VirtualHandle(Link(link), index == CommandCollection, m_links[link].generation);
}

void VirtualMouse::close(HidDevice *device)
{
    auto *handle = static_cast<VirtualHandle *>(device);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_links[handle->link].openHandles;
    }
    delete handle;
}

int VirtualMouse::write(HidDevice *device, const quint8 *data, int length)
{
    const auto *handle = static_cast<VirtualHandle *>(device);
    std::lock_guard<std::mutex> lock(m_mutex);
    const LinkState &state = m_links[handle->link];
    if (!state.plugged || state.generation != handle->generation || consumeFault(m_writeErrors))
        return -1;
    if (!handle->command)
        return length;
    const QByteArray report(reinterpret_cast<const char *>(data), length);
    m_received.append({ handle->link, report });
    const QByteArray reply = m_firmware.receive(report);
    if (!reply.isEmpty() && !m_replySource)
        queueReply(handle->link, reply);
    return length;
}

int VirtualMouse::readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds)
{
    const auto *handle = static_cast<VirtualHandle *>(device);
    const QDeadlineTimer deadline
        = milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    std::unique_lock<std::mutex> lock(m_mutex);
    if (handle->command && m_links[handle->link].plugged && consumeFault(m_readErrors))
        return -1;
    if (handle->command && m_replySource) {
        const LinkState &state = m_links[handle->link];
        if (!state.plugged || state.generation != handle->generation)
            return -1;
        QByteArray last;
        for (auto it = m_received.crbegin(); it != m_received.crend() && last.isNull(); ++it) {
            if (it->link == handle->link)
                last = it->report;
        }
        return qBound(-1, m_replySource(last, data, length), length);
    }
    for (;;) {
        LinkState &state = m_links[handle->link];
        if (!state.plugged || state.generation != handle->generation)
            return -1;
        QDeadlineTimer wakeAt = deadline;
        if (handle->command && !state.replies.isEmpty()) {
            const Pending &head = state.replies.first();
            if (head.readyAt.hasExpired()) {
                const int size = qMin(length, head.report.size());
                std::memcpy(data, head.report.constData(), size_t(size));
                state.replies.removeFirst();
                return size;
            }
            wakeAt = qMin(head.readyAt, deadline);
        }
        if (deadline.hasExpired())
            return 0;
        m_replyQueued.wait_until(lock, wakeAt.deadline<std::chrono::steady_clock>());
    }
}

quint16 VirtualMouse::releaseNumber(const char *path)
{
    int index = 0;
    const int link = linkOfPath(QByteArray(path), &index);
    std::lock_guard<std::mutex> lock(m_mutex);
    return link < 0 ? 0 : m_links[link].release;
}
