#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QVector>

#include <future>

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

    // Starts reading the picture for a window of `size` logical pixels at `pixelRatio` on a thread of
    // its own, so that makeFor() with the same figures finds it read (the file is large).
    void prepare(const QSize &size, qreal pixelRatio);
    // Makes the background for a window of `size` logical pixels at `pixelRatio`; returns the
    // window's shape (empty when the picture has no transparent parts or cannot be read).
    QRegion makeFor(const QSize &size, qreal pixelRatio);
    // Paints it where `dirty` lies (window coordinates; the painter's clip is expected to be no
    // larger), or the plain window colour there when the picture cannot be read.
    void paint(QPainter &painter, const QRect &dirty) const;
    // Compresses the whole picture into bands now instead of shortly after it was made.
    void pack();

    // The picture read and laid over the window colour, and its transparency as a 1-bit mask.
    struct Read
    {
        QImage whole;
        QImage alphaMask;
    };

private:
    static Read read(const QString &path, const QSize &pixels);

    QString m_path;
    std::future<Read> m_prepared;
    QSize m_preparedPixels;
    qreal m_pixelRatio = 1.0;
    // The whole picture, until packed.
    QImage m_whole;
    // Each band of BandRows device pixel rows, top to bottom, once packed; and their width.
    QVector<QByteArray> m_bands;
    int m_width = 0;
    QTimer m_packTimer;
};
