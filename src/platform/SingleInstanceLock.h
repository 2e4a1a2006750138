#pragma once

#include <QString>

// Per-product single-instance guard: a lock file that the kernel releases when the process ends. The
// file lives in a folder only this user can write ($XDG_RUNTIME_DIR, else a folder in the user's
// cache), holds the holder's process id, and is never opened through a symlink.
class SingleInstanceLock
{
public:
    // The guard's name for a product: the product name followed by " Wireless Gaming Mouse Mutex1".
    static QString mutexName(const QString &productName);
    // The lock file used for a mutex name; empty when no private folder could be found or made.
    static QString lockFilePath(const QString &mutexName);
    // The folder of this user's lock files; empty when none is safe to use.
    static QString lockFolder();

    explicit SingleInstanceLock(const QString &mutexName);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // Takes the lock; false when another process already holds it.
    bool tryLock();
    // The lock file's path (empty without a safe folder).
    QString path() const { return m_path; }
    // The process id the holder wrote into the lock file; 0 when unknown.
    qint64 holderPid() const;

private:
    QString m_path;
    int m_fd = -1;
};
