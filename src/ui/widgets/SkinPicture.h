#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QImageReader;
class QPainter;
class QRect;

// Points `reader` at `path`, read as `format` (by default the one the name ends with) without asking
// the installed image plugins first: to find out who reads a PNG, Qt would load every one of them
// (about 8 MB of libraries with KDE's and Qt's extra image formats installed). False when the file
// cannot be opened.
bool OpenPicture(QImageReader &reader, const QString &path, const QByteArray &format = QByteArray());

// Reads the picture file at `path` straight into `pixels`, smoothly scaled; null when it cannot be
// read. The full-size decode is not kept; a large file's scaled one is, in ScaledPictureCache.
QImage ReadScaledPicture(const QString &path, const QSize &pixels);

// A picture of the skin folder kept at the size it is drawn rather than the size of its file (the
// files are drawn several times larger than shown); widgets drawing the same file at the same size
// share one copy, and nothing is kept once no widget draws it.
class SkinPicture
{
public:
    SkinPicture() = default;
    // `relative` names a file of the skin folder, for example "/dlg.png".
    explicit SkinPicture(const QString &relative);

    // Whether no readable file stands behind it; widgets then paint their plain look.
    bool isNull() const { return !m_fileSize.isValid(); }
    // The file named at construction, and where it was then.
    const QString &relative() const { return m_relative; }
    const QString &path() const { return m_path; }
    // The picture for `size` logical pixels at `pixelRatio` device pixels each, with the file's
    // aspect kept or not as asked; made again only when the size changes. Null for an empty size.
    const QPixmap &at(const QSize &size, qreal pixelRatio, Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);
    // Draws the picture stretched over `rect` of the painter's device.
    void draw(QPainter &painter, const QRect &rect);

private:
    QString m_relative;
    QString m_path; // where the program folder was when made
    QSize m_fileSize;
    QPixmap m_shown;
    QSize m_shownPixels;
    qreal m_shownRatio = 0;
};
