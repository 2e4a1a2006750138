#include "TestAppDir.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStore.h"

#include <QtTest>

#include <unistd.h>

// Where Configs lives: the program folder's own, or the user's copy for an installed program.
class TestAppPaths : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void portableFolderKeepsItsConfigs();
    void installedFolderGivesEachUserACopy();
    void userFolderLocation();
    void readOnlyFolderCountsAsInstalled();

private:
    static QByteArray readFile(const QString &path);
    QTemporaryDir *m_data = nullptr;
};

void TestAppPaths::init()
{
    m_data = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
}

void TestAppPaths::cleanup()
{
    delete m_data;
    qunsetenv("XDG_DATA_HOME");
}

QByteArray TestAppPaths::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestAppPaths::portableFolderKeepsItsConfigs()
{
    TestAppDir dir(TestAppDir::Installed);
    QVERIFY(!AppPaths::isInstalled());
    QCOMPARE(AppPaths::configsDir(), dir.path() + "/Configs");
    QCOMPARE(AppPaths::globalConfigFile(), dir.path() + "/Configs/Config.ini");
    SaveProfileID(3);
    QVERIFY(readFile(dir.path() + "/Configs/Config.ini").contains("ProfileID=3"));
    QVERIFY(!QFileInfo::exists(m_data->path() + "/mousecfg"));

    // An empty writable folder is portable too: its Configs appears when something is saved.
    TestAppDir empty;
    QCOMPARE(AppPaths::configsDir(), empty.path() + "/Configs");
}

void TestAppPaths::installedFolderGivesEachUserACopy()
{
    TestAppDir dir(TestAppDir::Installed);
    dir.writeFile("INSTALLED", "");
    dir.writeFile("Configs/MacroDB/Burst.MSMACRO", "[MACRO]\n");
    const QByteArray templateText = readFile(dir.path() + "/Configs/Config.ini");
    const QString user = m_data->path() + "/mousecfg/Configs";

    QVERIFY(AppPaths::isInstalled());
    QCOMPARE(AppPaths::configsDir(), user);
    QCOMPARE(AppPaths::macroDir(), user + "/MacroDB");
    QCOMPARE(AppPaths::libraryDir("SKYLARK"), user + "/SKYLARK/Profile");
    // Read-only data still comes from the program folder.
    QCOMPARE(AppPaths::productDefinitionFile(), dir.path() + "/DefaultProfile.bin");
    QCOMPARE(AppPaths::skinFile("/icon.png"), dir.path() + "/skin/icon.png");

    // Filled from the template, the whole tree, writable by the user, without staging leftovers.
    QCOMPARE(readFile(user + "/Config.ini"), templateText);
    QVERIFY(QFileInfo::exists(user + "/MacroDB/Burst.MSMACRO"));
    QVERIFY(QFileInfo(user + "/Config.ini").isWritable());
    QCOMPARE(
        QDir(m_data->path() + "/mousecfg").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { "Configs" });

    // Saving goes to the user's copy; the template stays as installed.
    SaveProfileID(4);
    QVERIFY(readFile(user + "/Config.ini").contains("ProfileID=4"));
    QCOMPARE(readFile(dir.path() + "/Configs/Config.ini"), templateText);

    // A later start (decided afresh) keeps the user's files, even where the template differs.
    QFile::remove(user + "/MacroDB/Burst.MSMACRO");
    QTemporaryDir other;
    qputenv("XDG_DATA_HOME", other.path().toLocal8Bit());
    QCOMPARE(AppPaths::configsDir(), other.path() + "/mousecfg/Configs");
    qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
    QCOMPARE(AppPaths::configsDir(), user);
    QVERIFY(readFile(user + "/Config.ini").contains("ProfileID=4"));
    QVERIFY(!QFileInfo::exists(user + "/MacroDB/Burst.MSMACRO"));
}

void TestAppPaths::userFolderLocation()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QCOMPARE(AppPaths::userConfigsDir(), m_data->path() + "/mousecfg/Configs");
    // Unset or relative: the default below the home folder.
    qputenv("XDG_DATA_HOME", "relative/data");
    QCOMPARE(AppPaths::userConfigsDir(), home.path() + "/.local/share/mousecfg/Configs");
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(AppPaths::userConfigsDir(), home.path() + "/.local/share/mousecfg/Configs");

    // An installation without a template still gives the user an empty folder to save into.
    TestAppDir dir;
    dir.writeFile("INSTALLED", "");
    QCOMPARE(AppPaths::configsDir(), home.path() + "/.local/share/mousecfg/Configs");
    QVERIFY(QFileInfo(AppPaths::configsDir()).isDir());
    qputenv("HOME", oldHome);
}

void TestAppPaths::readOnlyFolderCountsAsInstalled()
{
    if (geteuid() == 0)
        QSKIP("root may write into any folder");
    TestAppDir dir(TestAppDir::Installed);
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(dir.path() + "/Configs", readOnly);
    QVERIFY(AppPaths::isInstalled());
    QCOMPARE(AppPaths::configsDir(), m_data->path() + "/mousecfg/Configs");
    QVERIFY(QFileInfo::exists(m_data->path() + "/mousecfg/Configs/Config.ini"));
    QFile::setPermissions(dir.path() + "/Configs", readOnly | QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "test_apppaths.moc"
