#include "FuzzSupport.h"

#include "storage/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

namespace {

const QString sourceData = QStringLiteral(MOUSECFG_SOURCE_DIR "/data");

QTemporaryDir *makeAppDir()
{
    // Both programs have a GUI application, without which a picture in a settings value aborts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    new QGuiApplication(argc, argv);
    // Diagnostics of the device code would flood the fuzzer's output.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
    const QString base
        = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    auto *dir = new QTemporaryDir(base + QStringLiteral("/mousecfg-fuzz-XXXXXX"));
    QFile::copy(sourceData + QStringLiteral("/DefaultProfile.bin"),
                dir->path() + QStringLiteral("/DefaultProfile.bin"));
    for (const char *folder : { "/Configs/Profile", "/Configs/MacroDB", "/Configs/SKYLARK/Profile" })
        QDir().mkpath(dir->path() + QLatin1String(folder));
    AppPaths::setAppDir(dir->path());
    restoreInstalledConfig();
    return dir;
}

} // namespace

QString fuzzAppDir()
{
    static QTemporaryDir *dir = makeAppDir();
    return dir->path();
}

void writeFuzzFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
}

void restoreInstalledConfig()
{
    static const QByteArray installed = [] {
        QFile file(sourceData + QStringLiteral("/Configs/Config.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    writeFuzzFile(AppPaths::globalConfigFile(), reinterpret_cast<const uint8_t *>(installed.constData()),
                  size_t(installed.size()));
    QFile::remove(AppPaths::languageFile());
}
