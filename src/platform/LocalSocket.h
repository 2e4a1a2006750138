#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One end of a Unix stream socket, driven by the event loop: what arrives is buffered and announced
// by readyRead, what is written goes out as the peer takes it. The blocking waits serve short
// request-and-answer exchanges made before (or outside) the event loop.
class LocalSocket : public QObject
{
    Q_OBJECT
public:
    // An unconnected socket.
    explicit LocalSocket(QObject *parent = nullptr);
    // Takes over the connected descriptor `fd` (a server's accepted connection).
    LocalSocket(int fd, QObject *parent);
    ~LocalSocket() override;

    // Connects to the socket at `path`; false (with errorString) when nobody listens there.
    bool connectTo(const QString &path);
    // True while connected.
    bool isConnected() const { return m_fd >= 0; }
    // Why the last connection or transfer failed.
    QString errorString() const { return m_error; }

    // Queues `bytes` and sends what the peer takes now.
    void write(const QByteArray &bytes);
    // Bytes received and not read yet.
    qint64 bytesAvailable() const { return m_incoming.size(); }
    // Takes up to `maxSize` received bytes.
    QByteArray read(qint64 maxSize);
    // Takes every received byte.
    QByteArray readAll();

    // Waits up to `timeoutMs` for more bytes; true when some arrived.
    bool waitForReadyRead(int timeoutMs);
    // Waits up to `timeoutMs` until everything written has gone; true when it has.
    bool waitForBytesWritten(int timeoutMs);

    // Closes once everything written has gone.
    void disconnectFromServer();
    // Closes at once, dropping what was not sent.
    void abort();

    // Where a socket path is for a server `name`: itself when absolute, else in the temporary folder.
    static QString pathForName(const QString &name);

signals:
    // Bytes arrived.
    void readyRead();
    // The connection closed (by either end).
    void disconnected();

private:
    void adopt(int fd);
    bool receive();
    bool flush();
    void onReadable();
    void onWritable();
    void close(bool announce);
    void fail(int error);

    int m_fd = -1;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_incoming;
    QByteArray m_outgoing;
    QString m_error;
    bool m_closeWhenSent = false;
};
