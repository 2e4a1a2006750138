#pragma once

#include "storage/ConfigData.h"

#include <QString>
#include <QVector>

// How much of a macro the mouse receives. A macro with a delay event goes as it is. One without gets
// a one-unit pause after every four events and after its last, so that the mouse keeps up, and the
// mouse's working list then holds no more than MaxPlainMacroEvents of its events.
constexpr int MaxPlainMacroEvents = 49;

// How many of the `count` events the mouse receives.
int MacroEventsSent(const MacroEvent *events, int count);
int MacroEventsSent(const QVector<MacroEvent> &events);

// A stored macro's events and how many of them the mouse receives.
struct MacroFit
{
    int events = 0; // as its file counts them
    int sent = 0;
    bool cut() const { return sent < events; }
};
// The fit of macro `name`'s file; a missing file has no events.
MacroFit MacroFileFit(const QString &name);
