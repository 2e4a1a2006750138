#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QPushButton>

// The skinned push button: three skin pictures (normal, hover, pressed) or, without pictures, a text
// on a dark plate with an accent edge when checked or highlighted. Shows keyboard focus, and presses
// from the keyboard with Space, Return or Enter.
class TarnPushButton : public QPushButton
{
    Q_OBJECT
public:
    // A text button (an empty text gives a plain plate).
    explicit TarnPushButton(const QString &text = QString(), QWidget *parent = nullptr);

    // Uses the skin pictures (for example "/close-1.png") for the three states; empty paths clear them.
    void setPictures(const QString &normal, const QString &hover, const QString &pressed);
    // Marks the button as the selected or hovered one without checking it.
    void setHighlighted(bool highlighted);
    // True while highlighted.
    bool isHighlighted() const { return m_highlighted; }
    // Design pixel size of the text font, multiplied by the current scale when painted.
    void setDesignFontSize(int pixelSize);
    // The font the text is painted in, at the current language and scale.
    QFont textFont() const;
    // The width that shows the whole text with a margin on each side: `designWidth` at the current
    // scale, or more when the text needs it.
    int widthForText(int designWidth) const;

signals:
    // The button was pressed (mouse or keyboard).
    void EnterSignal(TarnPushButton *button);
    // The pointer entered (true) or left (false) the button.
    void OverSignal(TarnPushButton *button, bool over);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Focus is shown once it came from the keyboard, as desktop toolkits do.
    bool m_keyboardFocus = false;
    void paintPlate(class QPainter &painter);

    SkinPicture m_normal;
    SkinPicture m_hover;
    SkinPicture m_pressed;
    bool m_hovered = false;
    bool m_highlighted = false;
    int m_designFontSize = 13;
};
