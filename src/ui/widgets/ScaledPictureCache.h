#pragma once

#include <QImage>
#include <QString>

// Large skin pictures decoded at the size they are drawn, kept as raw pixels in the user's cache
// folder: decoding a full-size PNG of several megapixels costs tens of milliseconds at every start,
// reading its pixels back well under one. An entry names the file's path, size and time and the
// decoded size, so a changed skin or another scale never finds a stale picture; the folder keeps the
// newest few entries only.
class ScaledPictureCache
{
public:
    // Works in `folder`; by default "mousecfg/pictures" in the user's cache folder.
    explicit ScaledPictureCache(const QString &folder = defaultFolder());

    // The user's folder of kept pictures.
    static QString defaultFolder();

    // The picture `source` decoded at `pixels`, when one was kept for the file as it is now; else null.
    QImage find(const QString &source, const QSize &pixels) const;
    // Keeps `picture`, decoded from `source`, for the next find(); false when it could not be written.
    bool keep(const QString &source, const QImage &picture) const;

private:
    QString entryPath(const QString &source, const QSize &pixels) const;

    QString m_folder;
};
