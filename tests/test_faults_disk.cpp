#include "CliRun.h"
#include "FileSnapshot.h"
#include "cli/CliCommand.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"
#include "storage/ProfileFile.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// Writes that fail: under a file-size limit (part-way through a file) and where a folder has been
// replaced by a file (every write, even as root). The user gets a clear failure, never "Done.", and
// the files that were there stay complete and readable.
class TestFaultsDisk : public QObject
{
    Q_OBJECT
private slots:
    void cliCommandsUnderSizeLimit();
    void savesInProcess();
    void foldersReplacedByFiles();
};

namespace {

// Limits the size of every file this process writes while it lives; oversized writes then fail
// with EFBIG instead of the process being killed.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

// mousecfg-cli under a size limit of `blocks` KiB for each file it writes.
CliResult runLimited(const TestAppDir &dir, int blocks, const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.insert("QT_LOGGING_RULES", "default.debug=false");
    process.setProcessEnvironment(env);
    process.start("bash",
                  QStringList { "-c",
                                QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks),
                                MOUSECFG_APPDIR "/mousecfg-cli", "--appdir", dir.path() }
                      + args);
    return finishCli(process);
}

// A program folder with real slot files (each well over 1 KiB), a macro and a configuration export
// whose profiles differ from the slotDir.
void populate(const TestAppDir &dir, QString *exportFile)
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    QVERIFY(SaveConfig(config));
    QVERIFY(SaveProfileID(1));
    MacroFileData macro;
    macro.count = 1;
    macro.events[0] = MacroEvent { 132, 4, 0 };
    QVERIFY(SaveMacroFile("jump", macro));
    for (ProfileData &profile : config.profiles)
        profile.dpi = 3;
    *exportFile = dir.path() + "/../" + QFileInfo(dir.path()).fileName() + "-import.conf";
    QVERIFY(ExportConfigStamped(config, *exportFile, CurrentProduct()));
}

} // namespace

void TestFaultsDisk::cliCommandsUnderSizeLimit()
{
    TestAppDir dir(TestAppDir::Installed);
    QString conf;
    populate(dir, &conf);
    const QString configs = dir.path() + "/Configs";
    const auto before = fileSnapshot(configs);
    QVERIFY(before.value("Profile/Profile 1.prof").size() > 4096);

    // Every write fails: the profile choice is not saved, and the file is named.
    CliResult result = runLimited(dir, 0, { "select-profile", "3" });
    QCOMPARE(result.exitCode, int(ExitCannotWrite));
    QVERIFY2(result.output.contains(AppPaths::globalConfigFile()), qPrintable(result.output));
    QVERIFY(!result.output.contains("Done."));
    QCOMPARE(fileSnapshot(configs), before);

    // Writes fail part-way (3 KiB): Config.ini fits, a profile file (over 4 KiB) does not.
    result = runLimited(dir, 3, { "import-config", conf });
    QCOMPARE(result.exitCode, int(ExitCannotWrite));
    QVERIFY2(result.output.contains(".prof'"), qPrintable(result.output));
    QVERIFY(!result.output.contains("imported"));
    const auto afterImport = fileSnapshot(configs);
    QCOMPARE(afterImport.keys(), before.keys()); // no half-written or temporary file left
    for (const QString &file : before.keys()) {
        if (file.endsWith(".prof"))
            QCOMPARE(afterImport.value(file), before.value(file));
    }

    // An export over an existing file keeps that file whole.
    const QString target = dir.path() + "/old.conf";
    QFile::copy(conf, target);
    const QByteArray oldExport = fileSnapshot(dir.path()).value("old.conf");
    result = runLimited(dir, 3, { "export-config", target });
    QCOMPARE(result.exitCode, int(ExitCannotWrite));
    QVERIFY(result.output.contains(target));
    QCOMPARE(fileSnapshot(dir.path()).value("old.conf"), oldExport);

    // The upload's own saves (the configuration, the full-upload mark) fail: no "Done." either.
    result = runLimited(dir, 0, { "apply" });
    QCOMPARE(result.exitCode, int(ExitCannotWrite));
    QVERIFY(!result.output.contains("Done."));

    // Without the limit everything works again on the same files.
    QCOMPARE(runCli(dir, { "select-profile", "3" }, "receiver").exitCode, 0);
    QCOMPARE(QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).value("Config/ProfileID").toInt(),
             2);
    QCOMPARE(runCli(dir, { "import-config", conf }, "receiver").exitCode, 0);
    QFile::remove(conf);
}

void TestFaultsDisk::savesInProcess()
{
    TestAppDir dir(TestAppDir::Installed);
    QString conf;
    populate(dir, &conf);
    QFile::remove(conf);
    const QString configs = dir.path() + "/Configs";
    const auto before = fileSnapshot(configs);
    ConfigData config;
    LoadConfig(config);
    config.profiles[2].pollrate = quint8(config.profiles[2].pollrate + 1);
    config.profiles[2].dpi = 2;
    MacroFileData macro;
    macro.count = 200;

    {
        FileSizeLimit limit(2048);
        QString failed;
        QVERIFY(!SaveConfig(config, &failed));
        QCOMPARE(failed, SlotProfileFile(config.profileNames[2]));
        QVERIFY(!ExportConfig(config, dir.path() + "/new.conf"));
    }
    {
        FileSizeLimit limit(256);
        QVERIFY(!SaveMacroFile("jump", macro));
        // A new macro's file does not fit: nothing is listed without its file.
        QVERIFY(CreateMacro().isEmpty());
    }
    const auto after = fileSnapshot(configs);
    for (const QString &file : before.keys()) {
        if (file != "Config.ini")
            QCOMPARE(after.value(file), before.value(file));
    }
    QVERIFY(!QFileInfo::exists(dir.path() + "/new.conf"));
    QCOMPARE(LoadMacroFile("jump").count, 1);
    for (const QString &name : LoadMacroList())
        QVERIFY2(MacroFileExists(name), qPrintable(name));

    // The failed save is not taken for written: the next one writes the slot.
    QVERIFY(SaveConfig(config));
    ConfigData loaded;
    LoadConfig(loaded);
    QCOMPARE(loaded.profiles[2].dpi, quint8(2));
}

void TestFaultsDisk::foldersReplacedByFiles()
{
    TestAppDir dir(TestAppDir::Installed);
    QString conf;
    populate(dir, &conf);
    const QString macroDir = AppPaths::macroDir();
    const QByteArray macroBytes = fileSnapshot(macroDir).value("jump.MSMACRO");
    QVERIFY(QDir(macroDir).rename(macroDir, macroDir + ".saved"));
    dir.writeFile("Configs/MacroDB", "not a folder");
    MacroFileData macro;
    QVERIFY(!SaveMacroFile("jump", macro));
    QString name;
    const QString outside = dir.writeFile("outside/run.MSMACRO", "[Setting]\nCount=0\n");
    QCOMPARE(ImportMacro(outside, name), MacroImport::Failed);
    QVERIFY(!LoadMacroList().contains("run"));
    QFile::remove(macroDir);
    QVERIFY(QDir().rename(macroDir + ".saved", macroDir));
    QCOMPARE(fileSnapshot(macroDir).value("jump.MSMACRO"), macroBytes);

    // The slot folder gone: the import fails, naming a slot file; Config.ini stays a whole file.
    const QString slotDir = AppPaths::slotProfileDir();
    QVERIFY(QDir().rename(slotDir, slotDir + ".saved"));
    dir.writeFile("Configs/Profile", "not a folder");
    const CliResult result = runCli(dir, { "import-config", conf });
    QCOMPARE(result.exitCode, int(ExitCannotWrite));
    QVERIFY2(result.output.contains(slotDir + "/"), qPrintable(result.output));
    QVERIFY(!result.output.contains("imported"));
    QVERIFY(QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).status() == QSettings::NoError);
    QFile::remove(slotDir);
    QVERIFY(QDir().rename(slotDir + ".saved", slotDir));
    QFile::remove(conf);
}

QTEST_GUILESS_MAIN(TestFaultsDisk)
#include "test_faults_disk.moc"
