#pragma once

#include "storage/ConfigData.h"

#include <QVector>

// Building and reading the three-byte macro events of the editor.

namespace MacroEvents {

// Event kinds (the low seven bits of the type byte) and the press bit.
enum Kind { ButtonKind = 1, MoveKind = 2, KeyKind = 4, DelayKind = 6 };
constexpr quint8 PressBit = 0x80;
// Longest move, in counts, along one axis.
constexpr int MaxMoveDistance = 120;
// Largest delay count the two data bytes hold.
constexpr int MaxDelayUnits = 0xFFFF;

// The mouse buttons of the editor, in menu order, and their button bits.
enum Button { LeftButton, MiddleButton, RightButton, ForwardButton, BackwardButton, ButtonCount };
// The move directions of the editor, in menu order.
enum Direction { MoveLeft, MoveRight, MoveUp, MoveDown, DirectionCount };

// An event from its type byte and its two data bytes, in file order.
MacroEvent make(quint8 map, quint8 dataH, quint8 dataL);
// A key press (true) or release of the key with HID usage `usage`.
MacroEvent key(bool press, quint8 usage);
// A press (true) or release of mouse button `button`.
MacroEvent button(bool press, Button button);
// A move of `distance` (1..120) counts in `direction`.
MacroEvent move(Direction direction, int distance);
// A delay of `units` delay units, cut to 0..MaxDelayUnits.
MacroEvent delay(int units);
// A delay of `milliseconds` in units of `unit` milliseconds (integer division), cut to the two bytes.
MacroEvent delayMs(int milliseconds, int unit);

// The kind of `event` (type byte without the press bit).
int kind(const MacroEvent &event);
// True when the press bit is set.
bool isPress(const MacroEvent &event);
// The delay count of a delay event.
int delayUnits(const MacroEvent &event);
// The button bit of `button`.
quint8 buttonBit(Button button);
// The button whose bit is `bit`; false for any other value.
bool buttonOfBit(int bit, Button &button);
// Direction and distance of a move event; false when neither axis moves.
bool moveOf(const MacroEvent &event, Direction &direction, int &distance);

// The events of a stored macro as the editor keeps them: button events with an unknown button,
// moves without a distance and events of unknown kinds are dropped; the rest are rebuilt in the
// editor's own form.
QVector<MacroEvent> sanitized(const MacroEvent *events, int count);
// True when some key or mouse button is pressed and not released again among `events`.
bool hasStuckKeys(const QVector<MacroEvent> &events);

} // namespace MacroEvents
