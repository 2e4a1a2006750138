#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QDialog>
#include <QPixmap>

class QLabel;
class QToolButton;
class MouseConnectionSource;

// The skinned modal message box for every warning, error and yes/no question.
// A waiting box closes itself, accepted, once a mouse is connected again.
class TarnMessageBox : public QDialog
{
    Q_OBJECT
public:
    // Button mode 1 asks a question ("Yes" and "No"); any other value is a notice with "Ok" only.
    enum ButtonMode { NoticeButtons = 0, QuestionButtons = 1 };
    // The picture beside the text.
    enum IconKind { NoIcon = 0, DongleIcon = 1, WarningIcon = 2 };

    // A waiting box asks the first of `parent` and its ancestors that is a MouseConnectionSource.
    TarnMessageBox(int buttonMode, const QString &title, const QString &text, int iconKind,
                   QWidget *parent = nullptr, bool waitForMouse = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // True when the box accepted itself because a mouse was connected.
    bool closedByPlugIn() const { return m_closedByPlugIn; }

public slots:
    // Run by the 100 ms timer of a waiting box: accepts the box once a mouse is connected.
    void GetPlugInSignal();
    // A notice has a single answer, so Escape or closing it counts as that answer.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildLayout(int iconKind);

    int m_buttonMode;
    const MouseConnectionSource *m_connection = nullptr;
    bool m_closedByPlugIn = false;
    SkinPicture m_background;
    QLabel *m_titleLabel;
    QLabel *m_textLabel;
    QLabel *m_iconLabel;
    QToolButton *m_acceptButton;
    QToolButton *m_rejectButton = nullptr;
};
