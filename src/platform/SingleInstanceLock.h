#pragma once

#include <QString>

// Per-product single-instance guard: a lock file that the kernel releases when the process ends.
class SingleInstanceLock
{
public:
    // The guard's name for a product: the product name followed by " Wireless Gaming Mouse Mutex1".
    static QString mutexName(const QString &productName);
    // The lock file used for a mutex name (in $XDG_RUNTIME_DIR, else the temporary folder).
    static QString lockFilePath(const QString &mutexName);

    explicit SingleInstanceLock(const QString &mutexName);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // Takes the lock; false when another process already holds it.
    bool tryLock();

private:
    QString m_path;
    int m_fd = -1;
};
