#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>

class KeyboardCapture;
class QLabel;
class QToolButton;
struct CapturedKey;

// The common frame of the button page's small dialogs: 400 x 258 design units, the dialog skin with
// an accent frame, a title, "OK" and "Cancel". Key dialogs also read the keyboard through the
// platform capture while they are open, and say so when only their own window's keys count.
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

    // Stops any capture before the dialog closes, so a keyboard grab never outlives it.
    void done(int result) override;

protected:
    // Starts reading the keyboard; `grab` keeps keys from every other program and this dialog too.
    void startCapture(bool grab);
    // Stops reading the keyboard.
    void stopCapture();
    // A key event of the capture, as the program's key code.
    virtual void onCapturedKey(quint8 keyCode, bool pressed, bool extended);

    // Places a child at a design rectangle.
    void place(QWidget *widget, int x, int y, int width, int height);
    // A bordered display field for a captured key.
    QLabel *createKeyDisplay();

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void handleKey(const CapturedKey &key);

    QPixmap m_background;
    QLabel *m_title;
    QLabel *m_focusNote;
    QToolButton *m_okButton;
    QToolButton *m_cancelButton;
    std::unique_ptr<KeyboardCapture> m_capture;
    bool m_capturing = false;
};
