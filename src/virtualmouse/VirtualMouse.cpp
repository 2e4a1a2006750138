#include "virtualmouse/VirtualMouse.h"

#include "storage/ProductDefinition.h"

#include <cstring>

namespace {

constexpr int CollectionCount = 4;
constexpr int CommandCollection = 4;
// Usage page and usage of collections 1 to 4: mouse, keyboard, consumer control, command.
constexpr quint16 CollectionUsages[CollectionCount][2] = { { 1, 2 }, { 1, 6 }, { 0x0C, 1 }, { 1, 0 } };

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

const char *linkName(VirtualMouse::Link link)
{
    return link == VirtualMouse::Receiver ? "receiver" : "cable";
}

} // namespace

VirtualMouse::VirtualMouse(bool receiverPlugged, bool cablePlugged, QObject *parent)
    : DeviceNoticeSource(parent)
{
    int vid1 = 0, pid1 = 0, vid2 = 0, pid2 = 0;
    UsbIds(vid1, pid1, vid2, pid2);
    setUsbIds(Receiver, quint16(vid1), quint16(pid1));
    setUsbIds(Cable, quint16(vid2), quint16(pid2));
    setReleaseNumber(Receiver, 0x0102);
    setReleaseNumber(Cable, 0x0105);
    m_links[Receiver].plugged = receiverPlugged;
    m_links[Cable].plugged = cablePlugged;
}

VirtualMouse::~VirtualMouse()
{
    if (CurrentHidBackend() == this)
        UseHidBackend(nullptr);
}

void VirtualMouse::setUsbIds(Link link, quint16 vendorId, quint16 productId)
{
    QMutexLocker lock(&m_mutex);
    m_links[link].vendorId = vendorId;
    m_links[link].productId = productId;
}

void VirtualMouse::setReleaseNumber(Link link, quint16 release)
{
    QMutexLocker lock(&m_mutex);
    m_links[link].release = release;
}

QByteArray VirtualMouse::path(Link link, int index) const
{
    // Lower case, as hidapi gives paths; notices use upper case (see interfaceName).
    return interfaceName(link, index).toLower().toLatin1();
}

QString VirtualMouse::interfaceName(Link link, int index) const
{
    QMutexLocker lock(&m_mutex);
    return QStringLiteral("\\\\?\\HID#VID_%1&PID_%2&MI_00&Col%3#virtual-%4")
        .arg(QString::number(m_links[link].vendorId, 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(QString::number(m_links[link].productId, 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(index, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(linkName(link)));
}

QList<QByteArray> VirtualMouse::reports() const
{
    QMutexLocker lock(&m_mutex);
    QList<QByteArray> all;
    for (const Received &received : m_received)
        all.append(received.report);
    return all;
}

QList<QByteArray> VirtualMouse::reports(Link link) const
{
    QMutexLocker lock(&m_mutex);
    QList<QByteArray> ofLink;
    for (const Received &received : m_received) {
        if (received.link == link)
            ofLink.append(received.report);
    }
    return ofLink;
}

void VirtualMouse::clearReports()
{
    QMutexLocker lock(&m_mutex);
    m_received.clear();
}

QByteArray VirtualMouse::memory(quint8 command) const
{
    QMutexLocker lock(&m_mutex);
    return m_firmware.memory(command);
}

quint8 VirtualMouse::selectedProfile() const
{
    QMutexLocker lock(&m_mutex);
    return m_firmware.selectedProfile();
}

int VirtualMouse::openHandles(Link link) const
{
    QMutexLocker lock(&m_mutex);
    return m_links[link].openHandles;
}

void VirtualMouse::setBattery(const VirtualBattery &battery)
{
    QMutexLocker lock(&m_mutex);
    m_firmware.battery = battery;
}

void VirtualMouse::setAsleep(bool asleep)
{
    QMutexLocker lock(&m_mutex);
    m_firmware.asleep = asleep;
}

void VirtualMouse::sendStatusReport(quint8 profile, quint8 dpiStage, quint8 rate, quint8 mode)
{
    injectReport(VirtualFirmware::statusReport(profile, dpiStage, rate, mode));
}

void VirtualMouse::injectReport(const QByteArray &report)
{
    QMutexLocker lock(&m_mutex);
    if (m_links[Cable].plugged)
        queueReply(Cable, report);
    else if (m_links[Receiver].plugged)
        queueReply(Receiver, report);
}

void VirtualMouse::unplug(Link link)
{
    {
        QMutexLocker lock(&m_mutex);
        LinkState &state = m_links[link];
        if (!state.plugged)
            return;
        state.plugged = false;
        ++state.generation;
        state.replies.clear();
        m_replyQueued.wakeAll();
    }
    announce(link, false);
}

void VirtualMouse::plug(Link link)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_links[link].plugged)
            return;
        m_links[link].plugged = true;
    }
    announce(link, true);
}

bool VirtualMouse::isPlugged(Link link) const
{
    QMutexLocker lock(&m_mutex);
    return m_links[link].plugged;
}

void VirtualMouse::setSilence(int reports)
{
    QMutexLocker lock(&m_mutex);
    m_firmware.silentReports = reports;
}

void VirtualMouse::setWrongHeaderEchoes(int count)
{
    QMutexLocker lock(&m_mutex);
    m_firmware.wrongHeaderEchoes = count;
}

void VirtualMouse::setWrongPayloadEchoes(int count)
{
    QMutexLocker lock(&m_mutex);
    m_firmware.wrongPayloadEchoes = count;
}

void VirtualMouse::setReadErrors(int count)
{
    QMutexLocker lock(&m_mutex);
    m_readErrors = count;
}

void VirtualMouse::setWriteErrors(int count)
{
    QMutexLocker lock(&m_mutex);
    m_writeErrors = count;
}

void VirtualMouse::setLatency(int milliseconds)
{
    QMutexLocker lock(&m_mutex);
    m_latencyMs = qMax(0, milliseconds);
}

void VirtualMouse::queueReply(Link link, const QByteArray &report)
{
    m_links[link].replies.append({ report, QDeadlineTimer(m_latencyMs) });
    m_replyQueued.wakeAll();
}

void VirtualMouse::announce(Link link, bool arrived)
{
    for (int index = 1; index <= CollectionCount; ++index)
        emit deviceChanged(interfaceName(link, index), arrived);
}

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
            QMutexLocker lock(&m_mutex);
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
    QMutexLocker lock(&m_mutex);
    if (link < 0 || !m_links[link].plugged)
        return nullptr;
    ++m_links[link].openHandles;
    return new VirtualHandle(Link(link), index == CommandCollection, m_links[link].generation);
}

void VirtualMouse::close(HidDevice *device)
{
    auto *handle = static_cast<VirtualHandle *>(device);
    {
        QMutexLocker lock(&m_mutex);
        --m_links[handle->link].openHandles;
    }
    delete handle;
}

int VirtualMouse::write(HidDevice *device, const quint8 *data, int length)
{
    const auto *handle = static_cast<VirtualHandle *>(device);
    QMutexLocker lock(&m_mutex);
    const LinkState &state = m_links[handle->link];
    if (!state.plugged || state.generation != handle->generation || consumeFault(m_writeErrors))
        return -1;
    if (!handle->command)
        return length;
    const QByteArray report(reinterpret_cast<const char *>(data), length);
    m_received.append({ handle->link, report });
    const QByteArray reply = m_firmware.receive(report);
    if (!reply.isEmpty())
        queueReply(handle->link, reply);
    return length;
}

int VirtualMouse::readTimeout(HidDevice *device, quint8 *data, int length, int milliseconds)
{
    const auto *handle = static_cast<VirtualHandle *>(device);
    const QDeadlineTimer deadline
        = milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    QMutexLocker lock(&m_mutex);
    if (handle->command && m_links[handle->link].plugged && consumeFault(m_readErrors))
        return -1;
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
        m_replyQueued.wait(&m_mutex, wakeAt);
    }
}

quint16 VirtualMouse::releaseNumber(const char *path)
{
    int index = 0;
    const int link = linkOfPath(QByteArray(path), &index);
    QMutexLocker lock(&m_mutex);
    return link < 0 ? 0 : m_links[link].release;
}
