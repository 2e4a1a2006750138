#include "platform/SingleInstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A real folder (not a symlink) of this user that nobody else can write to.
bool privateFolder(const QByteArray &path)
{
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Opens the lock file itself, never a symlink or another user's file put in its place.
int openLockFile(const QByteArray &path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        struct stat info;
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            return fd;
        if (fd >= 0)
            ::close(fd);
        else if (errno != ELOOP)
            return -1;
        // Something else stands at the name in our own folder: it goes, and the file is made anew.
        ::unlink(path.constData());
    }
    return -1;
}

} // namespace

QString SingleInstanceLock::mutexName(const QString &productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstanceLock::lockFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && privateFolder(runtime))
        return QFile::decodeName(runtime);
    // No runtime folder: one in the user's cache, never a shared name in /tmp that another user could
    // create first.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    const QString folder = cache + QStringLiteral("/mousecfg");
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return privateFolder(QFile::encodeName(folder)) ? folder : QString();
}

QString SingleInstanceLock::lockFilePath(const QString &mutexName)
{
    const QString dir = lockFolder();
    if (dir.isEmpty())
        return QString();
    // The name may hold any character; a hash keeps the file name safe and the same for the same name.
    // A cache folder may be shared by several machines: the host name keeps their locks apart.
    QByteArray key = mutexName.toUtf8();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        key += '\n' + QSysInfo::machineHostName().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/mousecfg-") + QString::fromLatin1(digest.left(20)) + QStringLiteral(".lock");
}

SingleInstanceLock::SingleInstanceLock(const QString &mutexName)
    : m_path(lockFilePath(mutexName))
{ }

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstanceLock::tryLock()
{
    if (m_fd >= 0)
        return true;
    // An unusable lock folder must not keep the tool from starting.
    if (m_path.isEmpty())
        return true;
    const int fd = openLockFile(QFile::encodeName(m_path));
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    // The process id tells a second start which program on the session bus is this one; without it
    // the second start uses the local socket.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    const bool written = ::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) > 0;
    Q_UNUSED(written)
    return true;
}

qint64 SingleInstanceLock::holderPid() const
{
    if (m_path.isEmpty())
        return 0;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char buffer[32] = {};
    const ssize_t size = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    return size > 0 ? QByteArray(buffer, int(size)).trimmed().toLongLong() : 0;
}
