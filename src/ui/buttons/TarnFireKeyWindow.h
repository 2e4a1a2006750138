#pragma once

#include "core/settings/ButtonAssignment.h"
#include "ui/buttons/KeyDialogFrame.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// "FireKey Setting": a mouse button or a key repeated a number of times with a delay.
class TarnFireKeyWindow : public KeyDialogFrame
{
    Q_OBJECT
public:
    // Left button, times 3, delay 100.
    explicit TarnFireKeyWindow(QWidget *parent = nullptr);

    // Shows a stored setting (see FireKeyOf) and makes it the value; its key comes back when
    // "Keyboard Key" is chosen again without a new one.
    void preset(const FireKeySetting &setting);
    // The setting; times and delay are kept within 1..255. "OK" is enabled only while it can be stored:
    // a mouse button, or a key the mouse can send.
    FireKeySetting setting() const;
    // The "Times:" and "Delay:" edits and the four choices (for the keyboard and for tests).
    QLineEdit *timesEdit() const { return m_times; }
    QLineEdit *delayEdit() const { return m_delay; }
    QCheckBox *choice(int kind) const { return m_choices[kind]; }
    // The captured key's display.
    QLabel *keyDisplay() const { return m_display; }

signals:
    // The setting changed: key, kind, times, delay.
    void SetFireKeyValue(quint8 keyCode, int kind, int times, int delay);

public slots:
    // A choice box changed state.
    void onStateChanged(int state);
    // The text of "Times:" or "Delay:" changed.
    void OnEditDataChanged(const QString &text);
    // A choice box was clicked: it becomes the only one checked.
    void checkbtn_clicked();
    // Return in an edit: the focus goes to the key display.
    void onEditReturn();

protected:
    void onCapturedKey(quint8 keyCode, bool pressed, bool extended) override;
    void captureRestarted() override;

private:
    void choose(int kind);
    void emitValue();
    void showChosenKey();
    QLineEdit *createEdit(const QString &text);

    QCheckBox *m_choices[4];
    QLabel *m_display;
    QLineEdit *m_times;
    QLineEdit *m_delay;
    int m_kind = FireKeySetting::LeftButton;
    quint8 m_keyCode = 0;
    quint8 m_presetKey = 0;
    int m_lastCode = -1;
    bool m_lastPressed = false;
    bool m_skipNextKey = false;
};
