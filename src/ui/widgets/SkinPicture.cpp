#include "ui/widgets/SkinPicture.h"

#include "platform/FreedMemory.h"
#include "storage/AppPaths.h"
#include "ui/widgets/ScaledPictureCache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>

namespace {

// Pictures in use, by file and size. An entry only this table refers to is dropped at the next
// decode, so the table never holds more than the widgets draw.
QHash<QString, QPixmap> &sharedPictures()
{
    static QHash<QString, QPixmap> pictures;
    static const bool clearedAtExit = [] {
        // Pixmaps must go before the application object they were made with.
        qAddPostRoutine([] { sharedPictures().clear(); });
        return true;
    }();
    Q_UNUSED(clearedAtExit)
    return pictures;
}

void dropUnused(QHash<QString, QPixmap> &pictures)
{
    for (auto it = pictures.begin(); it != pictures.end();) {
        if (it->isDetached())
            it = pictures.erase(it);
        else
            ++it;
    }
}

} // namespace

bool OpenPicture(QImageReader &reader, const QString &path, const QByteArray &format)
{
    reader.setFileName(path);
    reader.setFormat(format.isEmpty() ? QFileInfo(path).suffix().toLatin1() : format);
    reader.setAutoDetectImageFormat(false);
    // Qt opens the file itself only where it may guess the format.
    return reader.device()->open(QIODevice::ReadOnly);
}

QImage ReadScaledPicture(const QString &path, const QSize &pixels)
{
    QImageReader reader;
    if (!OpenPicture(reader, path))
        return {};
    const QSize full = reader.size();
    // Only large files are worth a kept copy: a small one decodes as fast as the copy reads.
    constexpr qint64 LargeDecodeBytes = 1 << 20;
    const bool large = qint64(full.width()) * full.height() * 4 > LargeDecodeBytes;
    const ScaledPictureCache cache;
    if (large && pixels.isValid()) {
        const QImage kept = cache.find(path, pixels);
        if (!kept.isNull())
            return kept;
    }
    reader.setScaledSize(pixels);
    reader.setQuality(100);
    const QImage picture = reader.read();
    if (!large)
        return picture;
    if (!picture.isNull() && picture.size() == pixels)
        cache.keep(path, picture);
    // The full-size decode is freed by now; give that memory back rather than keep it.
    ReleaseFreedMemory();
    return picture;
}

SkinPicture::SkinPicture(const QString &relative)
    : m_relative(relative)
    , m_path(AppPaths::skinFile(relative))
{
    QImageReader reader;
    if (OpenPicture(reader, m_path))
        m_fileSize = reader.size();
}

const QPixmap &SkinPicture::at(const QSize &size, qreal pixelRatio, Qt::AspectRatioMode mode)
{
    const QSize pixels = isNull() || size.isEmpty() ? QSize() : m_fileSize.scaled(size * pixelRatio, mode);
    // Asked again for the same size (every paint), or a file that could not be read at it: no new try.
    if (pixels == m_shownPixels && pixelRatio == m_shownRatio)
        return m_shown;
    m_shown = QPixmap(); // not shared any more, so the table can let it go
    m_shownPixels = pixels;
    m_shownRatio = pixelRatio;
    if (pixels.isEmpty())
        return m_shown;
    const QString key
        = QStringLiteral("%1@%2x%3/%4").arg(m_path).arg(pixels.width()).arg(pixels.height()).arg(pixelRatio);
    QHash<QString, QPixmap> &pictures = sharedPictures();
    auto found = pictures.constFind(key);
    if (found != pictures.constEnd()) {
        m_shown = *found;
    } else {
        dropUnused(pictures);
        m_shown = QPixmap::fromImage(ReadScaledPicture(m_path, pixels));
        m_shown.setDevicePixelRatio(pixelRatio);
        if (!m_shown.isNull())
            pictures.insert(key, m_shown);
    }
    return m_shown;
}

void SkinPicture::draw(QPainter &painter, const QRect &rect)
{
    const QPixmap &picture = at(rect.size(), painter.device()->devicePixelRatioF());
    if (!picture.isNull())
        painter.drawPixmap(rect, picture);
}
