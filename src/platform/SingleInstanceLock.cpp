#include "platform/SingleInstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString SingleInstanceLock::mutexName(const QString &productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstanceLock::lockFilePath(const QString &mutexName)
{
    QString dir = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    // The name may hold any character; a hash keeps the file name safe and the same for the same name.
    const QByteArray digest = QCryptographicHash::hash(mutexName.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/mousecfg-") + QString::fromLatin1(digest.left(20))
        + QStringLiteral(".lock");
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
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // an unusable lock folder must not keep the tool from starting
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
