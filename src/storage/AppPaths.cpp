#include "storage/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QVariant>

namespace {
// The folder setAppDir chose, kept on the application object that main owns.
const char *const AppDirProperty = "mousecfgAppDir";

// Copies the folder tree `from` into the (existing) folder `to`; false when anything failed.
bool copyTree(const QString &from, const QString &to)
{
    bool ok = true;
    QDirIterator it(from, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            ok = QDir().mkpath(target) && ok;
        } else {
            // The installed template is read-only; the user's copy must not be.
            ok = QFile::copy(source, target) && ok;
            ok = QFile::setPermissions(target,
                                       QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                           | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther)
                && ok;
        }
    }
    return ok;
}

// Gives the user a Configs folder made from the template. The copy is built beside it and renamed into
// place, so an interrupted first start never leaves a half-filled folder behind.
void fillUserConfigs(const QString &userConfigs, const QString &templateDir)
{
    if (QFileInfo::exists(userConfigs))
        return;
    const QString parent = QFileInfo(userConfigs).path();
    if (!QDir().mkpath(parent))
        return;
    QTemporaryDir staging(parent + QStringLiteral("/.Configs-XXXXXX"));
    if (!staging.isValid())
        return;
    if (QFileInfo(templateDir).isDir() && !copyTree(templateDir, staging.path()))
        return;
    QFile::setPermissions(staging.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                              | QFile::WriteUser | QFile::ExeUser);
    // Another process may have won the race; its folder is as good as ours.
    if (QDir().rename(staging.path(), userConfigs))
        staging.setAutoRemove(false);
}
} // namespace

namespace AppPaths {

QString appDir()
{
    const QCoreApplication *app = QCoreApplication::instance();
    const QString dir = app ? app->property(AppDirProperty).toString() : QString();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void setAppDir(const QString &dir)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->setProperty(AppDirProperty, dir);
}

QString productDefinitionFile()
{
    return appDir() + QStringLiteral("/DefaultProfile.bin");
}

QString configsDir()
{
    // Worked out on every call (a few file checks): the same program folder and user folder always
    // give the same answer, and a user's copy, once made, is never made again.
    if (!isInstalled())
        return templateConfigsDir();
    const QString user = userConfigsDir();
    fillUserConfigs(user, templateConfigsDir());
    return user;
}

bool isInstalled()
{
    const QString dir = appDir();
    if (QFileInfo::exists(dir + QStringLiteral("/INSTALLED")))
        return true;
    const QFileInfo configs(templateConfigsDir());
    return !(configs.exists() ? configs.isWritable() : QFileInfo(dir).isWritable());
}

QString userConfigsDir()
{
    QString base = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/mousecfg/Configs");
}

QString templateConfigsDir()
{
    return appDir() + QStringLiteral("/Configs");
}

QString globalConfigFile()
{
    return configsDir() + QStringLiteral("/Config.ini");
}

QString installedConfigFile()
{
    return templateConfigsDir() + QStringLiteral("/Config.ini");
}

QString languageFile()
{
    return configsDir() + QStringLiteral("/LangConfig.ini");
}

QString slotProfileDir()
{
    return configsDir() + QStringLiteral("/Profile");
}

QString macroDir()
{
    return configsDir() + QStringLiteral("/MacroDB");
}

QString productDir(const QString &productName)
{
    // A hand-edited product name must not lead out of Configs: such a name counts as none.
    if (!isSafeFileName(productName))
        return configsDir();
    return configsDir() + QLatin1Char('/') + productName;
}

QString productConfigFile(const QString &productName)
{
    return productDir(productName) + QStringLiteral("/Config.ini");
}

QString libraryDir(const QString &productName)
{
    return productDir(productName) + QStringLiteral("/Profile");
}

QString skinFile(const QString &relative)
{
    return appDir() + QStringLiteral("/skin") + relative;
}

QString translationFile(const QString &fileName)
{
    return appDir() + QStringLiteral("/lang/") + fileName + QStringLiteral(".qm");
}

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.isNull())
            return false;
    }
    return true;
}

} // namespace AppPaths
