#pragma once

#include "storage/ConfigData.h"
#include "storage/MacroEvents.h"

#include <QString>

// How one macro event reads in the event table.
struct MacroEventText
{
    enum KeyIcon { NoKeyIcon, KeyboardIcon, MouseIcon };
    enum ActionIcon { NoActionIcon, PressIcon, ReleaseIcon };

    QString key; // "KEY": key name, mouse button or move direction
    KeyIcon keyIcon = NoKeyIcon;
    QString action; // "ACTION": "Press", "Release" or the move's distance
    ActionIcon actionIcon = NoActionIcon;
    QString delay; // "DELAY(ms)": the delay of a delay row in milliseconds
};

// The texts of `event`, its delays counted in units of `unit` milliseconds.
MacroEventText DescribeMacroEvent(const MacroEvent &event, int unit);
// The translated name of a mouse button of the editor ("LEFT CLICK", ...).
QString MacroButtonName(MacroEvents::Button button);
// The translated name of a move direction ("MOVE LEFT", ...).
QString MacroDirectionName(MacroEvents::Direction direction);
// A delay of `units` units of `unit` milliseconds, as "120 ms".
QString MacroDelayText(int units, int unit);
