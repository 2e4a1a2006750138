#include "ui/widgets/ScaledPictureCache.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr quint32 Magic = 0x4d435058; // "MCPX"
constexpr quint32 Version = 1;
// Magic, version, width, height, format and bytes per line, each 32 bits.
constexpr qint64 HeaderBytes = 6 * 4;
// Entries kept at most: a few pictures of a few scales; the oldest go first.
constexpr int MostEntries = 32;

// Formats that are plain pixels, without a colour table.
bool keepableFormat(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
        return true;
    default:
        return false;
    }
}

} // namespace

ScaledPictureCache::ScaledPictureCache(const QString &folder)
    : m_folder(folder)
{ }

QString ScaledPictureCache::defaultFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/mousecfg/pictures");
}

QString ScaledPictureCache::entryPath(const QString &source, const QSize &pixels) const
{
    const QFileInfo file(source);
    if (m_folder.isEmpty() || !file.isFile())
        return {};
    // Through links to the file itself: program folders that share one skin share its entries.
    const QString key = QStringLiteral("%1\n%2\n%3\n%4x%5")
                            .arg(file.canonicalFilePath())
                            .arg(file.size())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(pixels.width())
                            .arg(pixels.height());
    return m_folder + QLatin1Char('/')
        + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex())
        + QStringLiteral(".pixels");
}

QImage ScaledPictureCache::find(const QString &source, const QSize &pixels) const
{
    const QString path = entryPath(source, pixels);
    QFile entry(path);
    if (path.isEmpty() || !entry.open(QIODevice::ReadOnly))
        return {};
    QDataStream header(entry.read(HeaderBytes));
    quint32 magic = 0, version = 0, width = 0, height = 0, format = 0, bytesPerLine = 0;
    header >> magic >> version >> width >> height >> format >> bytesPerLine;
    if (header.status() != QDataStream::Ok || magic != Magic || version != Version
        || QSize(int(width), int(height)) != pixels || format >= QImage::NImageFormats
        || !keepableFormat(QImage::Format(format)))
        return {};
    QImage picture(pixels, QImage::Format(format));
    if (picture.isNull() || quint32(picture.bytesPerLine()) != bytesPerLine
        || entry.size() != HeaderBytes + qint64(picture.sizeInBytes()))
        return {};
    if (entry.read(reinterpret_cast<char *>(picture.bits()), picture.sizeInBytes()) != picture.sizeInBytes())
        return {};
    return picture;
}

bool ScaledPictureCache::keep(const QString &source, const QImage &picture) const
{
    const QString path = entryPath(source, picture.size());
    if (path.isEmpty() || !keepableFormat(picture.format()) || !QDir().mkpath(m_folder))
        return false;
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly))
        return false;
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << Magic << Version << quint32(picture.width()) << quint32(picture.height())
        << quint32(picture.format()) << quint32(picture.bytesPerLine());
    entry.write(header);
    entry.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
    if (!entry.commit())
        return false;
    const QFileInfoList entries
        = QDir(m_folder).entryInfoList({ QStringLiteral("*.pixels") }, QDir::Files, QDir::Time);
    for (int old = MostEntries; old < entries.size(); ++old) {
        // Files written within one tick of the clock may sort in any order: never the new one.
        if (entries[old].filePath() != path)
            QFile::remove(entries[old].filePath());
    }
    return true;
}
