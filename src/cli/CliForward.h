#pragma once

#include "core/OperationResult.h"

#include <QVariantList>
#include <QVariantMap>

// Hands a command to the running window, over its D-Bus interface org.mousecfg.Mouse1: the window's
// engine does it, its pages follow, and the mouse is never opened by two programs at once.
class CliForward
{
public:
    // Makes active() false (--no-forward): the tool runs its own session.
    static void disable();
    // True when a window of this product runs from the tool's program folder and holds its bus name.
    static bool active();
    // Calls `method` with `args`; a D-Bus error comes back as the exit code and message the tool
    // prints. The reply's values go to `values`.
    static OperationResult call(const QString &method, const QVariantList &args,
                                QVariantList *values = nullptr);
    // The interface's properties; empty when the window did not answer.
    static QVariantMap properties();
    // The window's current slot, 0 to 4 (0 when it did not answer).
    static int currentSlot();
    // A path as the window must be given it (absolute).
    static QString absolute(const QString &path);
};
