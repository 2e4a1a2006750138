#include "storage/MacroFit.h"

#include "storage/IniSafety.h"
#include "storage/MacroEvents.h"
#include "storage/MacroFile.h"

#include <algorithm>

int MacroEventsSent(const MacroEvent *events, int count)
{
    count = qBound(0, count, int(KeyInfoSlots));
    const bool hasDelay = std::any_of(events, events + count,
                                      [](const MacroEvent &e) { return e.map == MacroEvents::DelayKind; });
    return hasDelay ? count : qMin(count, MaxPlainMacroEvents);
}

int MacroEventsSent(const QVector<MacroEvent> &events)
{
    return MacroEventsSent(events.constData(), events.size());
}

MacroFit MacroFileFit(const QString &name)
{
    MacroFit fit;
    if (!MacroFileExists(name))
        return fit;
    // The file's own count: events past what a button holds are cut as well.
    fit.events = qMax(0, IniReader(MacroFilePath(name)).value(QStringLiteral("Setting/Count")).toInt());
    MacroEvent events[KeyInfoSlots];
    int count = 0;
    ReadMacroEvents(name, events, count);
    fit.sent = MacroEventsSent(events, count);
    return fit;
}
