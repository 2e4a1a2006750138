#include "storage/AppPaths.h"

#include <QCoreApplication>

namespace {
QString &overriddenAppDir()
{
    static QString dir;
    return dir;
}
} // namespace

namespace AppPaths {

QString appDir()
{
    const QString &dir = overriddenAppDir();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void setAppDir(const QString &dir)
{
    overriddenAppDir() = dir;
}

QString productDefinitionFile()
{
    return appDir() + QStringLiteral("/DefaultProfile.bin");
}

QString configsDir()
{
    return appDir() + QStringLiteral("/Configs");
}

QString globalConfigFile()
{
    return configsDir() + QStringLiteral("/Config.ini");
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
