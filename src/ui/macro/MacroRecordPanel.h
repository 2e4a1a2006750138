#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class TarnPushButton;

// The recording options: "START"/"STOP", the delay mode with the default delay, the loop type with
// the loop count. Each group's check boxes exclude one another.
class MacroRecordPanel : public QWidget
{
    Q_OBJECT
public:
    // The panel in idle state, delay mode 0, default delay "10", no loop, loop count "1".
    explicit MacroRecordPanel(QWidget *parent = nullptr);

    // 0 none, 1 measured delays, 2 the default delay.
    int delayMode() const;
    // Ticks the box of `mode` (none for 0).
    void setDelayMode(int mode);
    // The default delay field as a number (0 when empty).
    int defaultDelay() const;
    // Shows `milliseconds` in the default delay field.
    void setDefaultDelay(int milliseconds);
    // 0 none, 1..3 the ticked loop box.
    int loopType() const;
    // Ticks the box of `type` (none for 0).
    void setLoopType(int type);
    // The loop count field as a number (0 when empty).
    int loopCount() const;
    // Shows `count` in the loop count field.
    void setLoopCount(int count);
    // Shows "STOP" (recording) or "START".
    void setRecording(bool recording);
    // Enables or disables everything but "STOP".
    void setOptionsEnabled(bool enabled);

    // Places the children at the current scale.
    void relayout();
    // Sets every text again through the translator.
    void retranslate();

    TarnPushButton *startButton() const { return m_start; }
    TarnPushButton *stopButton() const { return m_stop; }
    QCheckBox *delayBox(int mode) const { return m_delayBoxes[qBound(1, mode, 2) - 1]; }
    QCheckBox *loopBox(int type) const { return m_loopBoxes[qBound(1, type, 3) - 1]; }
    QLineEdit *defaultDelayEdit() const { return m_defaultDelay; }
    QLineEdit *loopCountEdit() const { return m_loopCount; }

public slots:
    // A check box was clicked: clears the other boxes of its group.
    void checkbtn_clicked();

signals:
    // "START" was pressed.
    void startRequested();
    // "STOP" was pressed.
    void stopRequested();
    // The user changed a delay or loop setting.
    void settingsEdited();

private:
    TarnPushButton *m_start;
    TarnPushButton *m_stop;
    QCheckBox *m_delayBoxes[2];
    QLineEdit *m_defaultDelay;
    QLabel *m_msLabel;
    QCheckBox *m_loopBoxes[3];
    QLineEdit *m_loopCount;
};
