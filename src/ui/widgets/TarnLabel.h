#pragma once

#include <QLabel>

// A label that can be clicked (and, when it takes focus, pressed with Space, Return or Enter).
class TarnLabel : public QLabel
{
    Q_OBJECT
public:
    // A plain label; setClickable(true) makes it react and take keyboard focus.
    explicit TarnLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // Makes the label take clicks and keyboard focus (pointing-hand cursor).
    void setClickable(bool clickable);
    // True when the label takes clicks.
    bool isClickable() const { return m_clickable; }
    // Does what a click does (for assistive technology); nothing when not clickable.
    void activate();

signals:
    // The label was clicked or pressed from the keyboard.
    void EnterSignal(TarnLabel *label);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Focus is shown once it came from the keyboard, as desktop toolkits do.
    bool m_keyboardFocus = false;
    bool m_clickable = false;
};
