#pragma once

#include <QWidget>

// The saturation/value square of the colour dialog: white to the pure hue from left to right,
// darkening to black downwards, with a ring marking the current point.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    // A square 128 design units wide at the current scale.
    explicit SVColorArea(QWidget *parent = nullptr);

    // Moves the marker to a saturation and value (0 to 255) without emitting anything.
    void setLevels(int saturation, int value);
    // Shows another hue without emitting anything.
    void setHue(int hue);
    // The marker in square pixels: x from the left, y from the bottom, each 0 to the side.
    QPoint point() const { return QPoint(m_sx, m_sy); }
    // The square's side in pixels.
    int side() const;
    // Pixels between the widget's edge and the square, room for the marker.
    int margin() const;
    // Sizes the square for the current scale.
    void relayout();

signals:
    // The point or the hue changed: (hue, x, y) in square pixels.
    void svChangedSignal(int hue, int sx, int sy);
    // The mouse was released on the square.
    void mouseReleaseSignal();

public slots:
    // The hue strip moved: redraw for `hue` and pass the point on.
    void hueChangedSlot(int hue);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pickAt(const QPoint &pos);
    void moveTo(int sx, int sy);

    int m_hue = 0;
    int m_sx = 0;
    int m_sy = 0;
};
