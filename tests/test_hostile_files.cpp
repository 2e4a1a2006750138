#include "storage/Product.h"
#include "CliRun.h"
#include "FileSnapshot.h"
#include "cli/CliCommand.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"
#include "storage/IniFile.h"
#include "storage/IniSafety.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"
#include "storage/ProductDefinition.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <sys/resource.h>

// Files made to hurt: truncated, binary, huge, numbers and counts beyond their fields, names that
// are paths. Each is refused or clamped, in bounded time and memory, and nothing outside the
// program's folders is touched.
class TestHostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void importsRefuseOrClamp();
    void hostileSettingsAndMacros();
    void storedValuesOnlyColours();
};

namespace {

// A name no legitimate file has: any file of that name outside Configs shows an escape.
const QString Escape = QStringLiteral("escape-7f3a");

// mousecfg-cli with a time bound; the exit code, or -1 when it crashed or ran over.
CliResult timedCli(const TestAppDir &dir, const QStringList &args)
{
    QElapsedTimer clock;
    clock.start();
    CliResult result = runCli(dir, args, "receiver");
    if (clock.elapsed() > 20000)
        result.exitCode = -1;
    return result;
}

// Files named like `Escape` anywhere below `folder` or beside it.
QStringList escapes(const QString &folder)
{
    QStringList found;
    for (const QString &where : { folder, folder + "/..", folder + "/../.." }) {
        for (const QString &name : QDir(where).entryList(QDir::AllEntries | QDir::Hidden)) {
            if (name.contains(Escape))
                found << where + "/" + name;
        }
    }
    for (const QString &name : fileSnapshot(folder).keys()) {
        if (name.contains(Escape))
            found << name;
    }
    return found;
}

long childrenPeakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

} // namespace

void TestHostileFiles::importsRefuseOrClamp()
{
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    QVERIFY(SaveConfig(config));
    const QString good = dir.path() + "/good.conf";
    QVERIFY(ExportConfigStamped(config, good, CurrentProduct()));
    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    const QByteArray exported = goodFile.readAll();
    const auto slotFiles = [&] {
        QMap<QString, QByteArray> files;
        const auto all = fileSnapshot(AppPaths::slotProfileDir());
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            files.insert(it.key(), it.value());
        return files;
    };
    const auto before = slotFiles();

    // Binary noise: no configuration, nothing changes.
    QByteArray noise(64 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    CliResult result = timedCli(dir, { "import-config", dir.writeFile("noise.conf", noise) });
    QCOMPARE(result.exitCode, int(ExitRefused));
    QCOMPARE(slotFiles(), before);

    // 50 MB: refused by its size before it is read.
    const QString huge = dir.path() + "/huge.conf";
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(exported));
        QVERIFY(file.resize(50 * 1024 * 1024));
    }
    for (const char *command : { "import-config", "import-profile" }) {
        result = timedCli(dir, { command, huge });
        QCOMPARE(result.exitCode, int(ExitRefused));
        QVERIFY2(result.output.contains("too large"), qPrintable(result.output));
    }
    QString name;
    QCOMPARE(ImportMacro(huge, name), MacroImport::Unreadable);
    QVERIFY(!MacroListContains("huge"));
    QCOMPARE(slotFiles(), before);

    // Truncated: refused whole, every slot file as it was.
    result
        = timedCli(dir, { "import-config", dir.writeFile("half.conf", exported.left(exported.size() / 2)) });
    QCOMPARE(result.exitCode, int(ExitRefused));
    ConfigData loaded;
    LoadConfig(loaded);
    QCOMPARE(slotFiles(), before);

    // Numbers beyond their fields and names that are paths, uploaded to the mouse afterwards.
    QByteArray hostile = exported;
    hostile.replace("ProfileID=0", "ProfileID=99");
    hostile.replace("Count=", "Count=-7");
    hostile.replace("Profile1=Profile 1", "Profile1=../../" + Escape.toLatin1());
    hostile.replace("Profile2=Profile 2", "Profile2=/tmp/" + Escape.toLatin1());
    hostile.replace("BUTTON_INFO_0_Fun=",
                    "BUTTON_INFO_0_Fun=200\nBUTTON_INFO_0_macroname=../../" + Escape.toLatin1() + "\nX_");
    hostile.replace("BUTTON_INFO_1_Fun=", "BUTTON_INFO_1_Fun=2147483647\nX_");
    hostile.replace("BUTTON_INFO_2_KeyNumber=", "BUTTON_INFO_2_KeyNumber=100000\nX_");
    hostile.replace("DPI_INFO_0_x=", "DPI_INFO_0_x=-99999999\nX_");
    hostile.replace("\ndpi=", "\ndpi=300\nX_");
    result = timedCli(dir, { "import-config", dir.writeFile("hostile.conf", hostile) });
    QCOMPARE(result.exitCode, 0);
    LoadConfig(loaded);
    QVERIFY(loaded.ProfileID < ProfileSlots);
    QCOMPARE(loaded.profileNames[0], QStringLiteral("Profile 1"));
    QCOMPARE(loaded.profileNames[1], QStringLiteral("Profile 2"));
    result = timedCli(dir, { "apply", "--all" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(escapes(dir.path()), QStringList());
    // Every run of the program stayed well below a gigabyte.
    QVERIFY2(childrenPeakKiB() < 1024 * 1024, qPrintable(QString::number(childrenPeakKiB())));
}

void TestHostileFiles::hostileSettingsAndMacros()
{
    TestAppDir dir(TestAppDir::Installed);
    QFile config(AppPaths::globalConfigFile());
    QVERIFY(config.open(QIODevice::Append));
    config.write("\n[MACRO_LIST]\n0=../../" + Escape.toLatin1()
                 + "\n1=/etc/passwd\n2=ok\n"
                   "[FONT_LIST]\nLANGNUM=-7\nFONT_SIZE_0=99999999\n");
    config.close();
    dir.writeFile("Configs/SKYLARK/Config.ini", "[PROFILE_LIST]\nCount=2147483647\n1=../x\n");

    // A macro whose counts and values do not fit, imported and read back clamped.
    const QString macro = dir.writeFile("in/big.MSMACRO",
                                        "[Setting]\nCount=1000000\nMap_0=99999\nDataH_0=-1\nDataL_0=65536\n"
                                        "LoopTime=-5\nDefaultDelay=2147483648\n");
    QString name;
    QCOMPARE(ImportMacro(macro, name), MacroImport::Imported);
    const MacroFileData loaded = LoadMacroFile(name);
    QVERIFY(loaded.count >= 0 && loaded.count <= KeyInfoSlots);
    // Listed names that are paths read as empty macros and are never written.
    QCOMPARE(LoadMacroFile("../../" + Escape).count, 0);
    QVERIFY(!SaveMacroFile("../../" + Escape, MacroFileData()));
    QVERIFY(!DeleteMacro("/etc/passwd") || QFileInfo::exists("/etc/passwd"));
    QCOMPARE(Product::load().languages.count, 0);

    for (const QStringList &args : { QStringList { "status" }, QStringList { "apply", "--all" },
                                     QStringList { "select-profile", "2" } }) {
        const CliResult result = timedCli(dir, args);
        QVERIFY2(result.exitCode == 0, qPrintable(args.join(' ') + ": " + result.output));
    }
    QCOMPARE(escapes(dir.path()), QStringList());
}

void TestHostileFiles::storedValuesOnlyColours()
{
    // What the program writes for a colour, and plain texts, read as they are.
    QVERIFY(IniValueIsSafe("@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff}}\\0\\0\\0\\0)"));
    QVERIFY(IniValueIsSafe("Profile 1"));
    QVERIFY(IniValueIsSafe("@@Variant(\\0\\0\\0\\x4b)"));
    QVERIFY(IniValueIsSafe("@ByteArray(abc)"));
    // Any other stored type, however it is spelled, is refused: its counts are trusted when read.
    QVERIFY(!IniValueIsSafe("@Variant(\\0\\0\\0\\x4BUTTON_INFO_0_Res4=f\\xff\\0\\0\\0\\0)"));
    QVERIFY(!IniValueIsSafe("\\x40Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)"));
    QVERIFY(!IniValueIsSafe("\\100Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)"));
    QVERIFY(!IniValueIsSafe("a, @Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)"));
    QVERIFY(!IniValueIsSafe("\"@DateTime(\\0\\0\\0\\x10\\0)\""));

    // A product definition holding one is read as absent, and a settings file holding one is never
    // rewritten: no crash, and the file stays as it was.
    TestAppDir dir(TestAppDir::Installed);
    QFile definition(dir.path() + QStringLiteral("/DefaultProfile.bin"));
    QVERIFY(definition.open(QIODevice::Append));
    definition.write("\nDPICount=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n");
    definition.close();
    QCOMPARE(ProductName(), QString());
    const QString config = AppPaths::globalConfigFile();
    QFile settings(config);
    QVERIFY(settings.open(QIODevice::Append));
    settings.write("[Config]\nModel=\\x40Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n");
    settings.close();
    const QMap<QString, QByteArray> before = fileSnapshot(AppPaths::configsDir());
    QCOMPARE(Product::load().model, QString());
    QVERIFY(!EditIniFile(config, [](QSettings &file) { file.setValue(QStringLiteral("Config/Diff"), 1); }));
    QCOMPARE(fileSnapshot(AppPaths::configsDir()), before);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
