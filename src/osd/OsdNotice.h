#pragma once

#include "platform/OsdMessage.h"

#include <QTimer>
#include <QWidget>

class QVariantAnimation;

// The notice on screen: the text in the message's colour and font on a dark rounded plate, near the
// bottom of the screen under the pointer. It takes no input and no focus; it fades in, stays, fades
// out and hides, each for the time the message gives. A newer message replaces it at once.
class OsdNotice : public QWidget
{
    Q_OBJECT
public:
    // Longest time a message may ask for, per phase; longer times are cut to it.
    static constexpr int MaxPhaseMs = 10000;

    // A hidden notice.
    explicit OsdNotice(QWidget *parent = nullptr);

    // Shows `message` (an empty text is ignored).
    void showMessage(const OsdMessage &message);
    // The text shown last.
    QString text() const { return m_text; }
    // The colour of the text shown last.
    QColor textColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void startFadeOut();
    void fitToScreen();

    QString m_text;
    QColor m_color;
    QFont m_font;
    int m_fadeOutMs = 0;
    QTimer m_stay;
    QVariantAnimation *m_fade;
};
