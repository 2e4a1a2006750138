#include "storage/MacroEvents.h"

#include <QHash>

namespace MacroEvents {

namespace {

const quint8 ButtonBits[ButtonCount] = { 1, 4, 2, 8, 16 };

// A signed step of one axis: 1..120 forward, 121..255 backward by 256 minus the value.
int signedStep(quint8 value)
{
    return value > MaxMoveDistance ? int(value) - 256 : int(value);
}

} // namespace

MacroEvent make(quint8 map, quint8 dataH, quint8 dataL)
{
    MacroEvent event;
    event.map = map;
    event.H = dataH;
    event.L = dataL;
    return event;
}

MacroEvent key(bool press, quint8 usage)
{
    return make(quint8(KeyKind | (press ? PressBit : 0)), 0, usage);
}

MacroEvent button(bool press, Button which)
{
    return make(quint8(ButtonKind | (press ? PressBit : 0)), 0, buttonBit(which));
}

MacroEvent move(Direction direction, int distance)
{
    const quint8 forward = quint8(qBound(1, distance, MaxMoveDistance));
    const quint8 backward = quint8(256 - forward);
    switch (direction) {
    case MoveLeft:
        return make(MoveKind, 0, backward);
    case MoveRight:
        return make(MoveKind, 0, forward);
    case MoveUp:
        return make(MoveKind, backward, 0);
    default:
        return make(MoveKind, forward, 0);
    }
}

MacroEvent delay(int units)
{
    const int bounded = qBound(0, units, MaxDelayUnits);
    return make(DelayKind, quint8(bounded >> 8), quint8(bounded & 0xFF));
}

MacroEvent delayMs(int milliseconds, int unit)
{
    return delay(milliseconds / qMax(1, unit));
}

int kind(const MacroEvent &event)
{
    return event.map & ~PressBit;
}

bool isPress(const MacroEvent &event)
{
    return (event.map & PressBit) != 0;
}

int delayUnits(const MacroEvent &event)
{
    return event.H * 256 + event.L;
}

quint8 buttonBit(Button which)
{
    return ButtonBits[qBound(0, int(which), ButtonCount - 1)];
}

bool buttonOfBit(int bit, Button &which)
{
    for (int i = 0; i < ButtonCount; ++i) {
        if (ButtonBits[i] == bit) {
            which = Button(i);
            return true;
        }
    }
    return false;
}

bool moveOf(const MacroEvent &event, Direction &direction, int &distance)
{
    // The vertical axis wins when a hand-made file moves along both.
    if (event.H != 0) {
        const int step = signedStep(event.H);
        direction = step < 0 ? MoveUp : MoveDown;
        distance = qAbs(step);
        return true;
    }
    if (event.L != 0) {
        const int step = signedStep(event.L);
        direction = step < 0 ? MoveLeft : MoveRight;
        distance = qAbs(step);
        return true;
    }
    return false;
}

QVector<MacroEvent> sanitized(const MacroEvent *events, int count)
{
    QVector<MacroEvent> rows;
    for (int i = 0; i < count; ++i) {
        const MacroEvent &event = events[i];
        switch (kind(event)) {
        case ButtonKind: {
            Button which;
            if (buttonOfBit(event.L, which))
                rows.append(button(isPress(event), which));
            break;
        }
        case MoveKind: {
            Direction direction;
            int distance;
            if (!moveOf(event, direction, distance))
                break;
            // Keep the stored bytes of the axis that moves: a step beyond 120 stays as it was.
            rows.append(direction == MoveUp || direction == MoveDown ? make(MoveKind, event.H, 0)
                                                                     : make(MoveKind, 0, event.L));
            break;
        }
        case DelayKind:
            rows.append(make(DelayKind, event.H, event.L));
            break;
        case KeyKind:
            rows.append(key(isPress(event), event.L));
            break;
        default:
            break;
        }
    }
    return rows;
}

bool hasStuckKeys(const QVector<MacroEvent> &events)
{
    // Keys and mouse buttons are told apart by kind: button bit 4 is not the key with usage 4.
    QHash<int, int> open;
    for (const MacroEvent &event : events) {
        const int k = kind(event);
        if (k != KeyKind && k != ButtonKind)
            continue;
        const int id = k * 256 + event.L;
        open[id] += isPress(event) ? 1 : -1;
    }
    for (auto it = open.cbegin(); it != open.cend(); ++it) {
        if (it.value() > 0)
            return true;
    }
    return false;
}

} // namespace MacroEvents
