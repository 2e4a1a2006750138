#pragma once

#include <QWidget>

class QSlider;

// Three sliders over one range: X and Y one above the other, or a single combined one when the
// axes are linked.
class TarnTwoBarSlider : public QWidget
{
    Q_OBJECT
public:
    // Unlinked sliders over 1..100.
    explicit TarnTwoBarSlider(QWidget *parent = nullptr);

    // The positions every slider offers.
    void setRange(int minimum, int maximum);
    // Linked: only the combined slider shows; else the X and the Y slider.
    void setLinked(bool linked);
    // Sets the sliders without emitting SliderChangedSignal (the combined one takes x).
    void setValues(int x, int y);
    // Names the sliders for assistive tools after the row they belong to.
    void setAccessibleNames(const QString &x, const QString &y, const QString &combined);
    // Styles and places the sliders again at the current scale.
    void relayout();

    // The sliders, for tests and tab order.
    QSlider *xSlider() const { return m_x; }
    QSlider *ySlider() const { return m_y; }
    QSlider *combinedSlider() const { return m_xy; }

signals:
    // A slider moved: (X, Y), or (value, value) from the combined slider.
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSlider *createSlider();
    void placeSliders();

    QSlider *m_x;
    QSlider *m_y;
    QSlider *m_xy;
    bool m_linked = false;
};
