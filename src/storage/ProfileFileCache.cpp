#include "storage/ProfileFileCache.h"

#include "storage/ConfigData.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

#include <mutex>

namespace {

// The five slot files plus a few library files are all a session touches.
constexpr int MaxEntries = 16;

struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;

    bool operator==(const FileStamp &o) const
    {
        return exists == o.exists && size == o.size && modified == o.modified;
    }
};

struct Entry
{
    FileStamp stamp;
    ProfileData profile;
};

FileStamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.exists = info.isFile();
    if (stamp.exists) {
        stamp.size = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}

std::mutex &lock()
{
    static std::mutex mutex;
    return mutex;
}

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> hash;
    return hash;
}

} // namespace

namespace ProfileFileCache {

bool holds(const QString &path, const ProfileData &profile)
{
    const FileStamp now = stampOf(path);
    std::lock_guard<std::mutex> locker(lock());
    const auto it = entries().constFind(path);
    return now.exists && it != entries().constEnd() && it->stamp == now && it->profile == profile;
}

bool lookup(const QString &path, ProfileData &profile)
{
    const FileStamp now = stampOf(path);
    std::lock_guard<std::mutex> locker(lock());
    const auto it = entries().constFind(path);
    if (!now.exists || it == entries().constEnd() || !(it->stamp == now))
        return false;
    profile = it->profile;
    return true;
}

void remember(const QString &path, const ProfileData &profile)
{
    const FileStamp now = stampOf(path);
    std::lock_guard<std::mutex> locker(lock());
    QHash<QString, Entry> &hash = entries();
    if (!now.exists) {
        hash.remove(path);
        return;
    }
    if (hash.size() >= MaxEntries && !hash.contains(path))
        hash.clear();
    hash.insert(path, Entry { now, profile });
}

void forget(const QString &path)
{
    std::lock_guard<std::mutex> locker(lock());
    entries().remove(path);
}

} // namespace ProfileFileCache
