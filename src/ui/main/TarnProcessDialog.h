#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;
class TarnProcessThread;

// The modal progress box shown while an upload runs: a square picture with the loading animation. It
// closes itself, accepted, when the upload ends; the user cannot close it before.
class TarnProcessDialog : public QDialog
{
    Q_OBJECT
public:
    // A frameless modal box centred over `parent`.
    explicit TarnProcessDialog(QWidget *parent = nullptr);

    // Shows the box until `thread` (already started) has finished its run.
    void waitFor(TarnProcessThread &thread);
    // True while the loading animation runs.
    bool isAnimating() const;

public slots:
    // Closes the box as accepted (the upload signalled its end).
    void slotProcessDlg();
    // Ignored: the upload cannot be abandoned halfway.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    SkinPicture m_background;
    QMovie *m_movie;
    QLabel *m_animation;
};
