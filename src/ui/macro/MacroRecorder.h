#pragma once

#include "platform/KeyboardCapture.h"
#include "storage/ConfigData.h"

#include <QVector>

class MacroEventModel;

// Turns captured key presses and releases into macro rows: key events with the delays of the delay
// mode between them, inserted from one row on, within the row limits of a button.
class MacroRecorder
{
public:
    // Delay modes: none, measured between events, the default delay between events.
    enum DelayMode { NoDelays = 0, MeasuredDelays = 1, DefaultDelays = 2 };
    // Rows a recording may fill without delays and with them.
    static constexpr int MaxRowsWithoutDelays = 40;
    static constexpr int MaxRowsWithDelays = 63;

    // Records into `model`; delays are counted in units of `unit` milliseconds.
    MacroRecorder(MacroEventModel *model, int unit);

    // Starts a recording that inserts its rows before `insertRow` (the row count appends).
    void start(int insertRow, int delayMode, int defaultDelayMs);
    // Ends the recording; later events are ignored.
    void stop();
    // True between start() and stop().
    bool isRecording() const { return m_recording; }

    // Records one captured key; returns the row of the new key event, or -1 when it was ignored
    // (not recording, a repeat of a held key, a key without HID usage, or the rows are full).
    int record(const CapturedKey &key);
    // The same for a key code of the system's table.
    int record(int keyCode, bool pressed, bool autoRepeat, qint64 timestampMs);
    // The key codes pressed and not yet released since start().
    const QVector<int> &heldKeys() const { return m_held; }

private:
    int delayUnitsSince(qint64 timestampMs) const;
    void insert(const MacroEvent &event);

    MacroEventModel *m_model;
    int m_unit;
    int m_delayMode = NoDelays;
    int m_defaultDelayMs = 0;
    int m_insertRow = 0;
    bool m_recording = false;
    bool m_hasLastEvent = false;
    qint64 m_lastEventMs = 0;
    QVector<int> m_held;
};
