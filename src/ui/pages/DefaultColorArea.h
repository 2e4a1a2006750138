#pragma once

#include <QColor>
#include <QWidget>

// A colour swatch that can be clicked (or pressed with Space, Return or Enter when focused).
class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    // A swatch of `colour`.
    explicit DefaultColorArea(const QColor &colour = Qt::white, QWidget *parent = nullptr);

    // Shows another colour.
    void setColor(const QColor &colour);
    // The colour shown.
    QColor color() const { return m_colour; }
    // Does what a click does.
    Q_INVOKABLE void activate() { emit ClickedSignal(); }

signals:
    // The swatch was clicked or pressed from the keyboard.
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_colour;
};
