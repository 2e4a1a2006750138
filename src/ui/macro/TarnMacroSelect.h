#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QDialog>
#include <QPixmap>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TarnPushButton;

// Chooses the stored macro (or gun file) a button plays, its loop count (1 to 255) and its loop mode
// (0 "LOOPS TIME(1-255)", 1 "REPEAT RUN WHEN KEY DOWN", 2 "REPEAT RUN UNTILL THE KEY DOWN").
class TarnMacroSelect : public QDialog
{
    Q_OBJECT
public:
    // A dialog titled `windowTitle` showing `caption` ("MACRO SELECT" or "GUNFILE SELECT"), preset
    // with `name` (when listed), `loopCount` and `loopMode`.
    TarnMacroSelect(const QString &windowTitle, const QString &caption, const QString &name, int loopCount,
                    int loopMode, QWidget *owner = nullptr);

    // The chosen macro name.
    QString name() const { return m_name; }
    // The loop count in the field, cut to 1..255.
    int loopCount() const;
    // The ticked loop box (0, 1 or 2); 0 when none is ticked.
    int loopMode() const;

    // Controls, for tests.
    TarnPushButton *nameButton() const { return m_nameButton; }
    QMenu *nameMenu() const { return m_nameMenu; }
    QLineEdit *loopCountEdit() const { return m_loopCount; }
    QCheckBox *modeBox(int mode) const { return m_modeBoxes[qBound(0, mode, 2)]; }
    QToolButton *yesButton() const { return m_yes; }

public slots:
    // A loop box was clicked: it stays ticked and the other two are cleared.
    void modeClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void chooseName(const QString &name);

    QString m_name;
    SkinPicture m_background;
    QLabel *m_caption;
    TarnPushButton *m_nameButton;
    QMenu *m_nameMenu;
    QLineEdit *m_loopCount;
    QCheckBox *m_modeBoxes[3];
    QToolButton *m_yes;
    QToolButton *m_no;
};
