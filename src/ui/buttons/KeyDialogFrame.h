#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QDialog>
#include <QPixmap>

#include <QSet>

#include <memory>

class KeyboardCapture;
class QLabel;
class QToolButton;
struct CapturedKey;

// The common frame of the button page's small dialogs: 400 x 258 design units, the dialog skin with
// an accent frame, a title, "OK" and "Cancel". Key dialogs also read the keyboard through the
// platform capture while they are open, and say so when only their own window's keys count.
//
// Capture has two phases. Until a key is taken every key is captured, Tab, Return and Escape
// included. Once taken, those keys (and Space on a button) work the dialog again, so OK can be
// reached without a mouse; any other key still replaces the taken one, so the last key pressed
// before OK is the one kept. "Capture again" returns to the first phase.
class KeyDialogFrame : public QDialog
{
    Q_OBJECT
public:
    // A dialog titled `title` (already translated) at the current scale.
    KeyDialogFrame(const QString &title, QWidget *parent = nullptr);
    ~KeyDialogFrame() override;

    // True while the keyboard capture runs.
    bool isCapturing() const { return m_capturing; }
    // True when the running capture also sees keys typed into other programs.
    bool capturesSystemWide() const;
    // True once a key (or combination) has been taken since capture last started.
    bool hasTakenKey() const { return m_taken; }
    // The "Capture again" button (null in dialogs without a key display).
    QToolButton *captureAgainButton() const { return m_captureAgain; }
    // The display of the captured key (null in dialogs without one).
    QLabel *keyDisplayLabel() const { return m_keyDisplay; }

    // "OK" (disabled while the dialog holds nothing it could store).
    QToolButton *okButton() const { return m_okButton; }

    // Stops any capture before the dialog closes, so a keyboard grab never outlives it. While "OK" is
    // disabled the dialog cannot be accepted, by Return either.
    void done(int result) override;

protected:
    // Enables or disables "OK".
    void setAcceptEnabled(bool enabled);
    // Starts reading the keyboard; `grab` keeps keys from every other program and this dialog too.
    void startCapture(bool grab);
    // Stops reading the keyboard.
    void stopCapture();
    // A key event of the capture, as the program's key code.
    virtual void onCapturedKey(quint8 keyCode, bool pressed, bool extended);
    // Called by a dialog when a key (or combination) is complete: the dialog keys work again, a
    // keyboard grab is released, and the hint says which key `name` was taken.
    void keyTaken(const QString &name);
    // Capture starts anew; dialogs forget the previous event there.
    virtual void captureRestarted() { }
    // Shows `name` in the key display, to the eye and to a screen reader.
    void showKey(const QString &name);
    // The line above the key display; `text` is shown again whenever capture restarts.
    void setHint(const QString &text, int y = 66);

    // Places a child at a design rectangle.
    void place(QWidget *widget, int x, int y, int width, int height);
    // A bordered display field for a captured key.
    QLabel *createKeyDisplay();
    // Places "Capture again" at a design rectangle.
    void placeCaptureAgain(int x, int y, int width, int height);

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handleKey(const CapturedKey &key);
    void deliver(int code, bool pressed);
    bool isDialogKey(int code) const;
    void restartCapture();

    SkinPicture m_background;
    QLabel *m_title;
    QLabel *m_focusNote;
    QToolButton *m_okButton;
    QToolButton *m_cancelButton;
    QLabel *m_hint = nullptr;
    QString m_hintText;
    QLabel *m_keyDisplay = nullptr;
    QToolButton *m_captureAgain = nullptr;
    std::unique_ptr<KeyboardCapture> m_capture;
    bool m_capturing = false;
    bool m_grab = false;
    bool m_taken = false;
    const QEvent *m_editReturn = nullptr; // compared only, never read
    // Key codes (code | 0x100 when extended) by what their press became, until their release.
    QSet<int> m_pressed; // every press seen since capture started
    QSet<int> m_delivered; // presses handed to the dialog as captured keys
    QSet<int> m_heldBack; // modifiers pressed after a take, not yet known to be part of a key
    QSet<quint64> m_capturedEvents; // events the capture took, whose copies to the window are not the controls'
};
