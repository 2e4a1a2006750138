#include "platform/LocalSocket.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr qint64 ReadChunk = 16 * 1024;

// Waits for `events` on `fd` until `deadline`; true when they came.
bool pollUntil(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry { fd, events, 0 };
        const int result = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}
} // namespace

LocalSocket::LocalSocket(QObject *parent)
    : QObject(parent)
{ }

LocalSocket::LocalSocket(int fd, QObject *parent)
    : QObject(parent)
{
    adopt(fd);
}

LocalSocket::~LocalSocket()
{
    close(false);
}

QString LocalSocket::pathForName(const QString &name)
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QDir::tempPath() + QLatin1Char('/') + name;
}

bool LocalSocket::connectTo(const QString &path)
{
    close(false);
    m_incoming.clear();
    m_outgoing.clear();
    const QByteArray file = QFile::encodeName(pathForName(path));
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (file.isEmpty() || size_t(file.size()) >= sizeof address.sun_path) {
        m_error = QStringLiteral("invalid socket path");
        return false;
    }
    std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
        // A listener whose queue is full counts as absent, as one that is not there at all.
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    adopt(fd);
    return true;
}

void LocalSocket::adopt(int fd)
{
    m_fd = fd;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_closeWhenSent = false;
    m_readNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &LocalSocket::onReadable);
    m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &LocalSocket::onWritable);
}

void LocalSocket::write(const QByteArray &bytes)
{
    if (m_fd < 0)
        return;
    m_outgoing += bytes;
    if (flush() && m_fd >= 0)
        m_writeNotifier->setEnabled(!m_outgoing.isEmpty());
}

QByteArray LocalSocket::read(qint64 maxSize)
{
    const QByteArray taken = m_incoming.left(int(qMin<qint64>(maxSize, m_incoming.size())));
    m_incoming.remove(0, taken.size());
    return taken;
}

QByteArray LocalSocket::readAll()
{
    QByteArray taken;
    taken.swap(m_incoming);
    return taken;
}

bool LocalSocket::receive()
{
    // Reads what is there; false once the peer has gone (the socket is then closed).
    for (;;) {
        char chunk[ReadChunk];
        const ssize_t count = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (count > 0) {
            m_incoming.append(chunk, int(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        if (count < 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
}

bool LocalSocket::flush()
{
    // Sends what the peer takes; false once the connection is broken (the socket is then closed).
    while (!m_outgoing.isEmpty()) {
        const ssize_t count = ::send(m_fd, m_outgoing.constData(), size_t(m_outgoing.size()), MSG_NOSIGNAL);
        if (count > 0) {
            m_outgoing.remove(0, int(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        fail(errno);
        return false;
    }
    if (m_closeWhenSent)
        close(true);
    return true;
}

void LocalSocket::onReadable()
{
    const qint64 before = m_incoming.size();
    const bool open = receive();
    if (m_incoming.size() > before)
        emit readyRead();
    // A slot connected to readyRead may have closed the socket already.
    if (!open && m_fd >= 0)
        close(true);
}

void LocalSocket::onWritable()
{
    if (flush() && m_fd >= 0)
        m_writeNotifier->setEnabled(!m_outgoing.isEmpty());
}

bool LocalSocket::waitForReadyRead(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (m_fd >= 0) {
        if (!pollUntil(m_fd, POLLIN, deadline))
            return false;
        const qint64 before = m_incoming.size();
        const bool open = receive();
        const bool arrived = m_incoming.size() > before;
        if (arrived)
            emit readyRead();
        if (!open && m_fd >= 0)
            close(true);
        if (arrived)
            return true;
    }
    return false;
}

bool LocalSocket::waitForBytesWritten(int timeoutMs)
{
    // A closed socket has written nothing more: what was still queued is lost.
    if (m_fd < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_outgoing.isEmpty()) {
        if (!pollUntil(m_fd, POLLOUT, deadline) || !flush())
            return false;
    }
    return true;
}

void LocalSocket::disconnectFromServer()
{
    if (m_fd < 0)
        return;
    m_closeWhenSent = true;
    flush();
}

void LocalSocket::abort()
{
    m_outgoing.clear();
    close(true);
}

void LocalSocket::fail(int error)
{
    m_error = QString::fromLocal8Bit(std::strerror(error));
    close(true);
}

void LocalSocket::close(bool announce)
{
    if (m_fd < 0)
        return;
    // Possibly inside one of their own signals: they go once it has returned.
    for (QSocketNotifier *notifier : { m_readNotifier, m_writeNotifier }) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    ::close(m_fd);
    m_fd = -1;
    m_outgoing.clear();
    if (announce)
        emit disconnected();
}
