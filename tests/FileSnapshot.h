#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>

// The content of every file below a folder, by relative path, to tell what a run changed.
inline QMap<QString, QByteArray> fileSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.fileName().mid(folder.size() + 1), file.readAll());
    }
    return files;
}
