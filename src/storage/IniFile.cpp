#include "storage/IniFile.h"

#include "storage/IniDocument.h"
#include "storage/IniSafety.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Copies the bytes of `from` (if it exists) into the open `to`; false on a short read or write.
bool copyContent(const QString &from, QFile &to)
{
    QFile source(from);
    if (!source.exists())
        return true;
    if (!source.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 BlockSize = 64 * 1024;
    while (!source.atEnd()) {
        const QByteArray block = source.read(BlockSize);
        if (block.isEmpty() || to.write(block) != block.size())
            return false;
    }
    return to.flush() && source.error() == QFileDevice::NoError;
}

// True when the file, as the settings library writes it (one line per key, "[section]" lines, empty
// lines), ends a line and holds `keys` key lines. A file cut short either ends inside a line or lacks
// whole lines.
bool holdsKeys(const QString &path, int keys)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError || (!content.isEmpty() && !content.endsWith('\n')))
        return false;
    int lines = 0;
    for (int start = 0; start < content.size();) {
        const int end = content.indexOf('\n', start);
        if (end > start && content.at(start) != '[')
            ++lines;
        start = end + 1;
    }
    return lines == keys;
}

// The file's inode: the settings library replaces a file it writes by a new one.
ino_t inodeOf(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

bool renameOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The file a write replaces: a link stays a link, its target is the file replaced.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

// A copy beside `target`, with its permissions (or the settings library's for a new file).
bool openCopy(QTemporaryFile &copy, const QFileInfo &targetInfo)
{
    copy.setFileTemplate(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName()
                         + QStringLiteral(".XXXXXX"));
    if (!copy.open())
        return false;
    if (targetInfo.exists())
        copy.setPermissions(targetInfo.permissions());
    else
        copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

// Puts the finished copy in the target's place.
bool replaceBy(const QString &copyPath, const QFileInfo &targetInfo)
{
    // The settings library keeps what it read of a file while the file's size and time stay the
    // same; the new file must look newer than every earlier one, even within one millisecond.
    QDateTime time = QDateTime::currentDateTimeUtc();
    if (targetInfo.exists() && time <= targetInfo.lastModified().toUTC())
        time = targetInfo.lastModified().toUTC().addMSecs(1);
    QFile written(copyPath);
    if (!written.open(QIODevice::ReadWrite) || !written.setFileTime(time, QFileDevice::FileModificationTime))
        return false;
    written.close();
    return renameOver(copyPath, targetInfo.absoluteFilePath());
}

// The whole content of the file at `path` into `content`; an absent file is empty.
bool readWhole(const QString &path, QByteArray &content)
{
    QFile file(path);
    if (!file.exists()) {
        content.clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    content = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

bool EditIniFile(const QString &path, const std::function<void(QSettings &file)> &edit)
{
    const QFileInfo targetInfo(writeTarget(path));
    const QString target = targetInfo.absoluteFilePath();
    // A file holding a value the settings library cannot read safely is left as it is.
    if (!IniFileIsSafe(target))
        return false;
    // A file the user made read-only is not replaced behind their back.
    if (targetInfo.exists() && !targetInfo.isWritable())
        return false;
    // As the settings library does, a missing folder is made.
    QDir().mkpath(targetInfo.absolutePath());
    QTemporaryFile copy;
    if (!openCopy(copy, targetInfo) || !copyContent(target, copy))
        return false;
    copy.close();

    const ino_t copied = inodeOf(copy.fileName());
    int keys = 0;
    {
        QSettings file(copy.fileName(), QSettings::IniFormat);
        edit(file);
        file.sync();
        if (file.status() == QSettings::AccessError)
            return false;
        keys = file.allKeys().size();
    }
    // Unwritten (nothing changed), the copy is the old file as checked by copyContent.
    if (inodeOf(copy.fileName()) != copied && !holdsKeys(copy.fileName(), keys))
        return false;
    return replaceBy(copy.fileName(), targetInfo);
}

IniDocument ReadIniDocument(const QString &path)
{
    QByteArray content;
    if (!readWhole(path, content) || !IniContentIsSafe(content))
        return IniDocument();
    return IniDocument(content);
}

bool EditIniDocument(const QString &path, const std::function<bool(IniDocument &file)> &edit)
{
    return EditIniDocument(path, edit, nullptr);
}

bool EditIniDocument(const QString &path, const std::function<bool(IniDocument &file)> &edit,
                     const std::function<bool(const QByteArray &old, QByteArray &content)> &direct)
{
    const QFileInfo targetInfo(writeTarget(path));
    const QString target = targetInfo.absoluteFilePath();
    if (targetInfo.exists() && !targetInfo.isWritable())
        return false;
    QByteArray old;
    if (!readWhole(target, old) || !IniContentIsSafe(old))
        return false;
    QByteArray content;
    if (!direct || !direct(old, content)) {
        IniDocument document(old);
        if (!edit(document))
            return true;
        content = document.toBytes();
    }
    // The file already holds exactly this: nothing to replace.
    if (targetInfo.exists() && content == old)
        return true;

    QDir().mkpath(targetInfo.absolutePath());
    QTemporaryFile copy;
    if (!openCopy(copy, targetInfo))
        return false;
    // On disk before it takes the file's place, so that a crash leaves the old file or the new one.
    if (copy.write(content) != content.size() || !copy.flush() || ::fdatasync(copy.handle()) != 0)
        return false;
    copy.close();
    QByteArray check;
    if (!readWhole(copy.fileName(), check) || check != content)
        return false;
    return replaceBy(copy.fileName(), targetInfo);
}
