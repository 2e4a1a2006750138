#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QVector>

class QPainter;
class QRect;

// The main window's background at its current size: the skin picture scaled to the window once,
// without its alpha channel (the window's shape is a mask instead). Whole, it would be the largest
// thing the program keeps (3 MB at scale 1.25), so once the window's first paints are done it is
// kept as losslessly compressed bands of rows (0.1 MB), and a paint unpacks only the bands it crosses.
class WindowBackground : public QObject
{
    Q_OBJECT

public:
    // `relative` names the picture in the skin folder.
    explicit WindowBackground(const QString &relative, QObject *parent = nullptr);

    // Makes the background for a window of `size` logical pixels at `pixelRatio`; returns the
    // window's shape (empty when the picture has no transparent parts or cannot be read).
    QRegion makeFor(const QSize &size, qreal pixelRatio);
    // Paints it where `dirty` lies (window coordinates; the painter's clip is expected to be no
    // larger), or the plain window colour there when the picture cannot be read.
    void paint(QPainter &painter, const QRect &dirty) const;
    // Compresses the whole picture into bands now instead of shortly after it was made.
    void pack();

private:
    QString m_path;
    qreal m_pixelRatio = 1.0;
    // The whole picture, until packed.
    QImage m_whole;
    // Each band of BandRows device pixel rows, top to bottom, once packed; and their width.
    QVector<QByteArray> m_bands;
    int m_width = 0;
    QTimer m_packTimer;
};
