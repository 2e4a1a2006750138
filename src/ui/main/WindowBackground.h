#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

class QPainter;
class QRect;

// The main window's background at its current size: the skin picture scaled to the window once,
// kept without its alpha channel (the window's shape is a mask instead), so it takes three bytes a
// pixel; the picture of a previous size is dropped.
class WindowBackground
{
public:
    // `relative` names the picture in the skin folder.
    explicit WindowBackground(const QString &relative);

    // Makes the background for a window of `size` logical pixels at `pixelRatio`; returns the
    // window's shape (empty when the picture has no transparent parts or cannot be read).
    QRegion makeFor(const QSize &size, qreal pixelRatio);
    // Paints it over `rect`, or the plain window colour when the picture cannot be read.
    void paint(QPainter &painter, const QRect &rect) const;

private:
    QString m_path;
    QImage m_picture;
};
