#include "virtualmouse/VirtualMouseTimeline.h"

#include "virtualmouse/VirtualMouse.h"

#include <QThread>

namespace {

// A byte in decimal or "0x" hex.
bool byteValue(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok, 0);
    return ok && *value >= 0 && *value <= 255;
}

} // namespace

VirtualMouseTimeline::VirtualMouseTimeline(VirtualMouse *mouse)
    : QObject(mouse)
    , m_mouse(mouse)
    , m_timer(this)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &VirtualMouseTimeline::fireDue);
}

bool VirtualMouseTimeline::parse(const QString &text, Event *event)
{
    const QStringList words = text.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    const QString &verb = words.first();
    event->text = words.join(QLatin1Char(' '));
    if (verb == QLatin1String("plug") || verb == QLatin1String("unplug")) {
        if (words.size() != 2)
            return false;
        event->kind = verb == QLatin1String("plug") ? Plug : Unplug;
        if (words.at(1) == QLatin1String("receiver"))
            event->values[0] = VirtualMouse::Receiver;
        else if (words.at(1) == QLatin1String("cable"))
            event->values[0] = VirtualMouse::Cable;
        else
            return false;
        return true;
    }
    if (verb == QLatin1String("access")) {
        event->kind = AccessGranted;
        return words.size() == 2 && words.at(1) == QLatin1String("granted");
    }
    if (verb == QLatin1String("asleep") || verb == QLatin1String("awake")) {
        event->kind = verb == QLatin1String("asleep") ? Asleep : Awake;
        return words.size() == 1;
    }
    int count = 0;
    if (verb == QLatin1String("status")) {
        event->kind = Status;
        count = 4;
    } else if (verb == QLatin1String("battery")) {
        event->kind = Battery;
        count = 3;
    } else {
        return false;
    }
    if (words.size() != count + 1)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!byteValue(words.at(i + 1), &event->values[i]))
            return false;
    }
    return true;
}

bool VirtualMouseTimeline::add(int ms, const QString &text)
{
    Event event;
    if (ms < 0 || !parse(text, &event))
        return false;
    event.ms = ms;
    int at = m_events.size();
    while (at > m_next && m_events.at(at - 1).ms > ms)
        --at;
    m_events.insert(at, event);
    if (isStarted() && QThread::currentThread() == thread())
        arm();
    return true;
}

void VirtualMouseTimeline::start()
{
    if (m_started.exchange(true))
        return;
    m_clock.start();
    // The queued call also hands the clock over to this object's thread.
    if (QThread::currentThread() == thread())
        arm();
    else
        QMetaObject::invokeMethod(this, &VirtualMouseTimeline::arm, Qt::QueuedConnection);
}

void VirtualMouseTimeline::arm()
{
    if (m_next >= m_events.size())
        return;
    m_timer.start(int(qMax<qint64>(0, m_events.at(m_next).ms - m_clock.elapsed())));
}

void VirtualMouseTimeline::fireDue()
{
    while (m_next < m_events.size() && m_events.at(m_next).ms <= m_clock.elapsed()) {
        // Taken before it is applied: a notice handler may run an event loop of its own.
        const Event event = m_events.at(m_next++);
        apply(event);
        emit fired(event.ms, event.text);
    }
    arm();
}

void VirtualMouseTimeline::apply(const Event &event)
{
    const int *v = event.values;
    switch (event.kind) {
    case Plug:
        m_mouse->plug(VirtualMouse::Link(v[0]));
        break;
    case Unplug:
        m_mouse->unplug(VirtualMouse::Link(v[0]));
        break;
    case Status:
        m_mouse->sendStatusReport(quint8(v[0]), quint8(v[1]), quint8(v[2]), quint8(v[3]));
        break;
    case Battery:
        m_mouse->setBatteryReading(quint8(v[0]), quint8(v[1]), quint8(v[2]));
        break;
    case Asleep:
    case Awake:
        m_mouse->setAsleep(event.kind == Asleep);
        break;
    case AccessGranted:
        m_mouse->grantAccess();
        break;
    }
}
