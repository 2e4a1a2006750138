#include "TestAppDir.h"

#include "storage/AppPaths.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}
} // namespace

TestAppDir::TestAppDir(Contents contents)
{
    if (contents == Installed) {
        const QString data = QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
        QFile::copy(data + QStringLiteral("/DefaultProfile.bin"),
                    path() + QStringLiteral("/DefaultProfile.bin"));
        copyTree(data + QStringLiteral("/Configs"), path() + QStringLiteral("/Configs"));
    }
    AppPaths::setAppDir(path());
}

TestAppDir::~TestAppDir()
{
    AppPaths::setAppDir(QString());
}

QString TestAppDir::writeFile(const QString &relative, const QByteArray &text) const
{
    const QString full = path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(full).path());
    const QFileInfo before(full);
    const QDateTime oldTime = before.exists() ? before.lastModified() : QDateTime();
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text);
        file.flush();
        // QSettings re-reads a file only when its size or time changed; a rewrite of the same size
        // within one tick of the file system's clock would otherwise go unseen.
        if (oldTime.isValid() && QFileInfo(full).lastModified() <= oldTime.addMSecs(1))
            file.setFileTime(oldTime.addSecs(1), QFileDevice::FileModificationTime);
    }
    return full;
}

QString TestAppDir::demoProductDefinition()
{
    return QStringLiteral(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin");
}
