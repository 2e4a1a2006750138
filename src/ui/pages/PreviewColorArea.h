#pragma once

#include <QColor>
#include <QWidget>

// The colour dialog's preview: the current colour with a thin black border.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    // A black preview.
    explicit PreviewColorArea(QWidget *parent = nullptr);

    // Shows `colour` without emitting anything.
    void setColor(const QColor &colour);
    // The colour shown.
    QColor color() const { return m_colour; }

signals:
    // The square's point became (hue, saturation, value), each level 0 to 255.
    void svChangedSignal(int hue, int saturation, int value);

public slots:
    // The square moved to (hue, x, y) in its pixels.
    void svChangedSlot(int hue, int sx, int sy);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour { Qt::black };
};
