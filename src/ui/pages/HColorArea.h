#pragma once

#include <QPixmap>
#include <QWidget>

// The hue strip of the colour dialog: red at the bottom through every hue back to red at the top,
// with a small triangle beside it marking the current hue.
class HColorArea : public QWidget
{
    Q_OBJECT
public:
    // A strip 128 design units high at the current scale.
    explicit HColorArea(QWidget *parent = nullptr);

    // Moves the marker to `hue` (0 to 360) without emitting anything.
    void setHue(int hue);
    // The hue the marker shows.
    int hue() const { return m_hue; }
    // Sizes the strip for the current scale.
    void relayout();
    // Pixels between the widget's top and the strip.
    static constexpr int TopMargin = 7;

signals:
    // The user moved the hue (0 to 360).
    void hueChangedSignal(int hue);
    // The mouse was released on the strip.
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int stripHeight() const;
    int stripWidth() const;
    void pickAt(int y);
    void changeHue(int hue);

    QPixmap m_strip;
    int m_hue = 0;
};
