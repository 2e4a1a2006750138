#include "storage/FileCopy.h"

#include <QFile>
#include <QSaveFile>

bool CopyFileReplacing(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    // In blocks, so that a huge file never has to fit in memory.
    constexpr qint64 BlockSize = 64 * 1024;
    while (!source.atEnd()) {
        const QByteArray block = source.read(BlockSize);
        if (block.isEmpty() || target.write(block) != block.size()) {
            target.cancelWriting();
            break;
        }
    }
    return target.commit();
}
