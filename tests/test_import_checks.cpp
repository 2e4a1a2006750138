#include "CliRun.h"
#include "FileSnapshot.h"
#include "cli/CliCommand.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ImportCheck.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"

#include <QtTest>

#include <unistd.h>

// Imports read only whole files of the kind they expect: a cut-off, tiny, mistyped or wrong-kind
// file is refused with one line saying why, and nothing in the program folder changes.
class TestImportChecks : public QObject
{
    Q_OBJECT
private slots:
    void commandLineImports_data();
    void commandLineImports();
    void storageGuards();
};

namespace {

// A complete configuration export and a complete profile file of the current product, as the
// program writes them, each with something to tell it by.
struct GoodFiles
{
    explicit GoodFiles(const TestAppDir &dir)
    {
        ConfigData config;
        LoadConfig(config);
        MakeFactoryConfig(config);
        config.profiles[2].stages[1].x = 3300;
        SaveConfig(config);
        const QString confPath = dir.path() + "/in/good.conf";
        QDir().mkpath(dir.path() + "/in");
        ExportConfigStamped(config, confPath, CurrentProduct());
        ProfileData profile = config.profiles[0];
        profile.stages[0].x = 4400;
        const QString profPath = dir.path() + "/in/good.prof";
        SaveProfileFileAt(profile, profPath);
        SaveFileOwner(profPath, CurrentProduct());
        conf = read(confPath);
        prof = read(profPath);
        QFile::remove(confPath);
        QFile::remove(profPath);
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QByteArray conf;
    QByteArray prof;
};

// `text` cut in the middle of the key `key` (its first occurrence).
QByteArray cutInKey(const QByteArray &text, const QByteArray &key)
{
    return text.left(text.indexOf(key) + key.size() / 2);
}

// `text` without the lines that start with one of `prefixes`.
QByteArray withoutLines(const QByteArray &text, const QList<QByteArray> &prefixes)
{
    QByteArray kept;
    for (const QByteArray &line : text.split('\n')) {
        bool drop = false;
        for (const QByteArray &prefix : prefixes)
            drop = drop || line.startsWith(prefix);
        if (!drop)
            kept += line + '\n';
    }
    return kept;
}

} // namespace

void TestImportChecks::commandLineImports_data()
{
    // The file is made from the good ones by `make`: "conf"/"prof" cut at a fraction or inside a key,
    // or edited; "missing" and "folder" name no file.
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("make");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString incomplete = "is incomplete: ";
    QTest::newRow("config cut at 10%") << "import-config"
                                       << "conf 0.1" << int(ExitRefused) << incomplete;
    QTest::newRow("config cut at 50%") << "import-config"
                                       << "conf 0.5" << int(ExitRefused) << incomplete;
    QTest::newRow("config cut at 99%") << "import-config"
                                       << "conf 0.99" << int(ExitRefused) << incomplete;
    QTest::newRow("config cut in a key") << "import-config"
                                         << "conf key" << int(ExitRefused) << incomplete;
    QTest::newRow("config cut after '='") << "import-config"
                                          << "conf value" << int(ExitRefused) << incomplete;
    QTest::newRow("profile cut at 50%") << "import-profile"
                                        << "prof 0.5" << int(ExitRefused) << incomplete;
    QTest::newRow("profile cut in a key") << "import-profile"
                                          << "prof key" << int(ExitRefused) << incomplete;
    QTest::newRow("tiny profile")
        << "import-profile"
        << "tiny" << int(ExitRefused)
        << "is incomplete: 8451 keys are missing, the first is 'PROFILE/BUTTON_INFO_0_Fun'";
    QTest::newRow("profile missing one key")
        << "import-profile"
        << "prof -dpi=" << int(ExitRefused) << "is incomplete: the key 'PROFILE/dpi' is missing";
    QTest::newRow("word for a number")
        << "import-profile"
        << "prof dpi=word" << int(ExitRefused) << "'PROFILE/dpi' does not hold a number";
    QTest::newRow("list for a number")
        << "import-config"
        << "conf Sync=1,2" << int(ExitRefused) << "'Config/Sync' does not hold a number";
    QTest::newRow("word for a colour") << "import-profile"
                                       << "prof LedMode\\LED_MODE_3_RGB=word" << int(ExitRefused)
                                       << "'PROFILE/LedMode/LED_MODE_3_RGB' does not hold a colour";
    QTest::newRow("configuration as profile")
        << "import-profile"
        << "conf" << int(ExitRefused) << "is a configuration file, not a profile file (use import-config)";
    QTest::newRow("profile as configuration")
        << "import-config"
        << "prof" << int(ExitRefused) << "is a profile file, not a configuration file (use import-profile)";
    QTest::newRow("empty file") << "import-config"
                                << "empty" << int(ExitRefused) << "is not a profile or configuration file";
    QTest::newRow("text, not INI") << "import-profile"
                                   << "text" << int(ExitRefused) << "is not a profile or configuration file";
    QTest::newRow("no such file") << "import-config"
                                  << "missing" << int(ExitNoInput) << "': no such file";
    QTest::newRow("a folder") << "import-profile"
                              << "folder" << int(ExitNoInput) << "': a folder";
    QTest::newRow("no permission") << "import-profile"
                                   << "unreadable" << int(ExitNoInput) << "': permission denied";
    QTest::newRow("another mouse") << "import-profile"
                                   << "prof Name=OTHER" << int(ExitRefused) << "belongs to mouse 'OTHER'";
    QTest::newRow("two slots of one name")
        << "import-config"
        << "conf Profile1=Same Profile3=Same" << int(ExitRefused)
        << "gives profiles 1 and 3 the same name 'Same': each needs a name of its own";
    // Files of an older layout lack keys added later; they import.
    QTest::newRow("older profile") << "import-profile"
                                   << "prof -LedMoveOFF= -LedSleepTime=" << 0 << "imported";
    QTest::newRow("older configuration")
        << "import-config"
        << "conf -Profile1= -Profile2= -Profile3= -Profile4= -Profile5=" << 0 << "imported";
}

void TestImportChecks::commandLineImports()
{
    QFETCH(QString, command);
    QFETCH(QString, make);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    if (make == "unreadable" && geteuid() == 0)
        QSKIP("root reads every file");

    TestAppDir dir(TestAppDir::Installed);
    const GoodFiles good(dir);
    const QStringList words = make.split(' ');
    QByteArray content = words.first() == "conf" ? good.conf : good.prof;
    for (const QString &word : words.mid(1)) {
        bool isFraction = false;
        const double fraction = word.toDouble(&isFraction);
        if (isFraction)
            content = content.left(int(content.size() * fraction));
        else if (word == "key")
            content = cutInKey(content, "BUTTON_INFO_20_KeyInfo_7_map");
        else if (word == "value")
            content = content.left(content.indexOf("BUTTON_INFO_20_KeyInfo_7_map=") + 29);
        else if (word.startsWith('-'))
            content = withoutLines(content, { word.mid(1).toLatin1() });
        else {
            const QByteArray key = word.left(word.indexOf('=') + 1).toLatin1();
            const int at = content.indexOf("\n" + key) + 1;
            QVERIFY(at > 0);
            content.replace(at, content.indexOf('\n', at) - at, word.toLatin1());
        }
    }
    if (make == "tiny")
        content = "[MouseName]\nName=" + CurrentProduct().toUtf8() + "\n";
    else if (make == "empty")
        content.clear();
    else if (make == "text")
        content = "Just some notes.\nNothing here is a setting.\n";

    QString path = dir.writeFile("in/file.x", content);
    if (make == "missing")
        path = dir.path() + "/in/none.conf";
    else if (make == "folder")
        path = dir.path() + "/in";
    else if (make == "unreadable")
        QFile::setPermissions(path, QFileDevice::WriteOwner);

    const auto before = fileSnapshot(dir.path());
    const CliResult result = runCli(dir, { command, path });
    QVERIFY2(result.output.contains(message), qPrintable(result.output));
    QCOMPARE(result.exitCode, exitCode);
    if (exitCode == 0) {
        ConfigData loaded;
        LoadConfig(loaded);
        if (command == "import-config")
            QCOMPARE(loaded.profiles[2].stages[1].x, quint32(3300));
        else
            QCOMPARE(loaded.profiles[loaded.ProfileID].stages[0].x, quint32(4400));
        return;
    }
    // Refused: one line on standard error, and not one byte changed.
    QCOMPARE(result.output.count('\n'), 1);
    QVERIFY(result.output.startsWith("mousecfg-cli: "));
    QVERIFY(fileSnapshot(dir.path()) == before);
}

void TestImportChecks::storageGuards()
{
    // The storage calls refuse by themselves, whoever calls them.
    TestAppDir dir(TestAppDir::Installed);
    const GoodFiles good(dir);
    const QString cut = dir.writeFile("cut.conf", good.conf.left(good.conf.size() / 3));
    ConfigData config;
    LoadConfig(config);
    const ConfigData before = config;
    QVERIFY(!ImportConfig(config, cut));
    QVERIFY(config == before);
    const QString whole = dir.writeFile("whole.conf", good.conf);
    QVERIFY(ImportConfig(config, whole));
    QCOMPARE(config.profiles[2].stages[1].x, quint32(3300));

    QString name;
    const QString cutProfile = dir.writeFile("Cut.prof", good.prof.left(good.prof.size() / 2));
    const QStringList library = LoadLibraryList();
    QCOMPARE(ImportLibraryProfile(cutProfile, name), ProfileImport::Damaged);
    QVERIFY(!QFile::exists(LibraryProfileFile("Cut")));
    QCOMPARE(LoadLibraryList(), library);

    // The check names the first key in the order the keys are written.
    const ImportCheck check(cutProfile, ImportCheck::Profile);
    QCOMPARE(check.result(), ImportCheck::Incomplete);
    QVERIFY(check.missingCount() > 0 && check.missingCount() < 8451);
    QVERIFY(!good.prof.left(good.prof.size() / 2).contains(check.firstMissing().mid(8).toLatin1() + '='));
}

QTEST_GUILESS_MAIN(TestImportChecks)
#include "test_import_checks.moc"
