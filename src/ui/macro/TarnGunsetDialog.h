#pragma once

#include "ui/widgets/SkinPicture.h"
#include "storage/ConfigData.h"
#include "ui/macro/GunSetEvents.h"

#include <QDialog>
#include <QPixmap>
#include <QVector>

class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolButton;
class TarnPushButton;

// Makes a recoil pattern: a file name, 1 to 5 bullets, and per bullet its delay, vertical and
// horizontal move. After acceptance the caller reads the name and the generated events.
class TarnGunsetDialog : public QDialog
{
    Q_OBJECT
public:
    // The dialog at display scale `scale`, one bullet of 100 ms without moves.
    explicit TarnGunsetDialog(double scale, QWidget *parent = nullptr);

    // The file name typed.
    QString fileName() const;
    // The events generated on acceptance.
    QVector<MacroEvent> events() const { return m_events; }
    // The number of bullets used.
    int bulletCount() const { return m_bulletCount; }
    // Uses the first `count` (1..5) bullet rows.
    void setBulletCount(int count);

    // Controls, for tests.
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QSpinBox *delayBox(int bullet) const { return m_delay[bullet]; }
    QSpinBox *verticalBox(int bullet) const { return m_vertical[bullet]; }
    QSpinBox *horizontalBox(int bullet) const { return m_horizontal[bullet]; }
    TarnPushButton *bulletButton() const { return m_bulletButton; }
    QMenu *bulletMenu() const { return m_bulletMenu; }

public slots:
    // "Yes": refuses an empty or unusable name, else generates the events and accepts.
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int scaled(double design) const { return int(design * m_scale); }
    void place(QWidget *widget, int x, int y, int width, int height) const;
    QLabel *label(const QString &text, int designPixelSize, bool bold);
    QSpinBox *spinBox(int minimum, int maximum, int value, const QString &name);

    double m_scale;
    int m_bulletCount = 1;
    QVector<MacroEvent> m_events;
    SkinPicture m_background;
    SkinPicture m_groove;
    SkinPicture m_bullet;
    QLineEdit *m_nameEdit;
    TarnPushButton *m_bulletButton;
    QMenu *m_bulletMenu;
    QLabel *m_bulletPictures[MaxGunBullets];
    QSpinBox *m_delay[MaxGunBullets];
    QSpinBox *m_vertical[MaxGunBullets];
    QSpinBox *m_horizontal[MaxGunBullets];
    QToolButton *m_yes;
    QToolButton *m_no;
};
