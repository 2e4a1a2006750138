#include "ui/macro/MacroRecorder.h"

#include "storage/KeyTable.h"
#include "platform/KeyScanCodes.h"
#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"

MacroRecorder::MacroRecorder(MacroEventModel *model, int unit)
    : m_model(model)
    , m_unit(qMax(1, unit))
{ }

void MacroRecorder::start(int insertRow, int delayMode, int defaultDelayMs)
{
    m_insertRow = qBound(0, insertRow, m_model->rowCount());
    m_delayMode = delayMode;
    m_defaultDelayMs = defaultDelayMs;
    m_recording = true;
    m_hasLastEvent = false;
    m_lastEventMs = 0;
    m_held.clear();
}

void MacroRecorder::stop()
{
    m_recording = false;
}

int MacroRecorder::record(const CapturedKey &key)
{
    return record(CaptureKeyCode(key.makeCode, key.extended), key.pressed, key.autoRepeat, key.timestampMs);
}

int MacroRecorder::record(int keyCode, bool pressed, bool autoRepeat, qint64 timestampMs)
{
    if (!m_recording)
        return -1;
    // The keyboard repeats a held key: only its first press counts.
    if (pressed && (autoRepeat || m_held.contains(keyCode)))
        return -1;
    const int rows = m_model->rowCount();
    if (rows > MaxRowsWithDelays - 2 || (m_delayMode == NoDelays && rows > MaxRowsWithoutDelays - 1))
        return -1;
    // A key the mouse cannot replay is left out rather than stored as usage 0.
    quint8 usage = 0;
    if (!KeyCodeToUsage(keyCode, usage))
        return -1;

    if (m_hasLastEvent && m_delayMode == MeasuredDelays)
        insert(MacroEvents::delay(delayUnitsSince(timestampMs)));
    else if (m_hasLastEvent && m_delayMode == DefaultDelays)
        insert(MacroEvents::delay(qMax(1, m_defaultDelayMs / m_unit)));

    insert(MacroEvents::key(pressed, usage));
    if (pressed)
        m_held.append(keyCode);
    else
        m_held.removeOne(keyCode);
    m_hasLastEvent = true;
    m_lastEventMs = timestampMs;
    return m_insertRow - 1;
}

int MacroRecorder::delayUnitsSince(qint64 timestampMs) const
{
    const qint64 elapsed = qMax<qint64>(0, timestampMs - m_lastEventMs);
    // Whole units, at least one; a pause longer than the two bytes hold keeps the longest delay.
    const qint64 units = qMax<qint64>(1, elapsed / m_unit);
    return int(qMin<qint64>(units, MacroEvents::MaxDelayUnits));
}

void MacroRecorder::insert(const MacroEvent &event)
{
    m_model->insertEvents(m_insertRow, { event });
    ++m_insertRow;
}
