#include "platform/LocalServer.h"

#include "platform/LocalSocket.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int Backlog = 16;
} // namespace

LocalServer::LocalServer(QObject *parent)
    : QObject(parent)
{ }

LocalServer::~LocalServer()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    QFile::remove(m_path);
}

bool LocalServer::listen(const QString &name)
{
    if (m_fd >= 0)
        return false;
    const QString path = LocalSocket::pathForName(name);
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (file.isEmpty() || size_t(file.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // The socket file is made with the socket's own mode: no other user may connect, not even for the
    // moment between its making and a chmod.
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) < 0) {
        ::close(fd);
        return false;
    }
    ::chmod(file.constData(), S_IRUSR | S_IWUSR);
    if (::listen(fd, Backlog) < 0) {
        ::close(fd);
        QFile::remove(path);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalServer::accept);
    return true;
}

void LocalServer::removeServer(const QString &name)
{
    QFile::remove(LocalSocket::pathForName(name));
}

LocalSocket *LocalServer::nextPendingConnection()
{
    return m_pending.isEmpty() ? nullptr : m_pending.takeFirst();
}

void LocalServer::accept()
{
    bool accepted = false;
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        m_pending.append(new LocalSocket(fd, this));
        accepted = true;
    }
    if (accepted)
        emit newConnection();
}
