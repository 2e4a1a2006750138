#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <atomic>

class VirtualMouse;

// Events scheduled on a virtual mouse: plugging and pulling its links, status and battery reports,
// sleeping and waking. The clock starts once (when the mouse is first initialised as the HID
// backend); the events then fire in order, each at its time, through a timer in this object's thread,
// so a program running an event loop sees them exactly as it sees the real device's.
class VirtualMouseTimeline : public QObject
{
    Q_OBJECT
public:
    // A timeline of `mouse`, which owns it.
    explicit VirtualMouseTimeline(VirtualMouse *mouse);

    // Schedules an event `ms` milliseconds after the start: "plug receiver", "unplug cable",
    // "status PROFILE STAGE RATE MODE", "battery CHARGE LOW HIGH", "asleep", "awake", "access granted"
    // (numbers in decimal or "0x" hex, 0 to 255). False, and nothing scheduled, when the text is no such
    // event.
    bool add(int ms, const QString &event);
    // Starts the clock unless it runs; callable from any thread.
    void start();
    // True once the clock runs.
    bool isStarted() const { return m_started.load(); }
    // Events scheduled and not yet fired.
    int pendingCount() const { return m_events.size() - m_next; }

signals:
    // An event has just been applied to the mouse, `ms` after the start.
    void fired(int ms, const QString &event);

private:
    enum Kind { Plug, Unplug, Status, Battery, Asleep, Awake, AccessGranted };
    struct Event
    {
        int ms = 0;
        Kind kind = Plug;
        int values[4] = {};
        QString text;
    };

    static bool parse(const QString &text, Event *event);
    void arm();
    void fireDue();
    void apply(const Event &event);

    VirtualMouse *m_mouse;
    QVector<Event> m_events; // sorted by time, equal times in the order added
    int m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::atomic<bool> m_started { false };
};
