#include "CliRun.h"
#include "appprofiles/AppProfileFile.h"
#include "appprofiles/AppProfileRules.h"
#include "appprofiles/AppSwitchPolicy.h"
#include "cli/CliCommand.h"

#include <QSignalSpy>
#include <QtTest>

// Automatic slot switching without a desktop: which slot a window calls for, the rules file under
// hostile content, the command-line editing, and when the switch is made, held back or reported.
class TestAppProfiles : public QObject
{
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void fileRoundTripAndHostileContent();
    void cliEditsTheFile();
    void policy_data();
    void policy();
};

namespace {

ActiveWindow window(const QString &executable, const QStringList &classes = {}, qint64 pid = 4242)
{
    ActiveWindow active;
    active.pid = pid;
    active.executable = executable;
    active.classes = classes;
    return active;
}

} // namespace

void TestAppProfiles::matching_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<int>("defaultSlot");
    QTest::addColumn<int>("expected");

    // Rules: firefox -> 2 (index 1), Gimp -> 4 (index 3), steam_app_730 -> 5 (index 4).
    const int keep = AppProfileRules::KeepSlot;
    QTest::newRow("executable name") << "firefox" << QStringList() << keep << 1;
    QTest::newRow("executable names are exact") << "Firefox" << QStringList() << keep << keep;
    QTest::newRow("class when the process is unknown")
        << "" << QStringList { "gimp-2.10", "Gimp-2.10" } << keep << keep;
    QTest::newRow("class in any case") << "" << QStringList { "gimp", "GIMP" } << keep << 3;
    QTest::newRow("class when the executable has no rule")
        << "wine64-preloader" << QStringList { "steam_app_730", "steam_app_730" } << keep << 4;
    QTest::newRow("executable wins over class") << "firefox" << QStringList { "gimp" } << keep << 1;
    QTest::newRow("default slot for the rest") << "xterm" << QStringList { "XTerm" } << 2 << 2;
    QTest::newRow("leave as it is for the rest") << "xterm" << QStringList { "XTerm" } << keep << keep;
    QTest::newRow("nothing known") << "" << QStringList() << 0 << 0;
}

void TestAppProfiles::matching()
{
    QFETCH(QString, executable);
    QFETCH(QStringList, classes);
    QFETCH(int, defaultSlot);
    QFETCH(int, expected);

    AppProfileRules rules;
    QVERIFY(rules.setRule("/usr/lib/firefox/firefox", 1)); // stored by its base name
    QVERIFY(rules.setRule("Gimp", 0));
    QVERIFY(rules.setRule("Gimp", 3)); // a second rule for a program replaces its slot
    QVERIFY(rules.setRule("steam_app_730", 4));
    QVERIFY(rules.setDefaultSlot(defaultSlot));
    QCOMPARE(rules.rules().size(), 3);
    QCOMPARE(rules.slotFor(window(executable, classes)), expected);

    // Names and slots that cannot be stored are refused.
    QVERIFY(!rules.setRule("", 1));
    QVERIFY(!rules.setRule("bad\nname", 1));
    QVERIFY(!rules.setRule("/usr/bin/", 1));
    QVERIFY(!rules.setRule("ok", 5));
    QVERIFY(!rules.setDefaultSlot(7));
    QCOMPARE(rules.rules().size(), 3);
}

void TestAppProfiles::fileRoundTripAndHostileContent()
{
    TestAppDir dir(TestAppDir::Installed);
    const QString path = AppProfileFile::path();
    QVERIFY(path.startsWith(dir.path()));

    // Switching is on only once a rule exists.
    AppProfileRules rules = AppProfileFile::load();
    QVERIFY(rules.switchingWanted());
    QVERIFY(!rules.switchingActive());
    QVERIFY(rules.setRule("my game, the sequel", 2));
    QVERIFY(rules.setRule("Gimp", 4));
    QVERIFY(rules.setDefaultSlot(0));
    QVERIFY(AppProfileFile::save(rules));
    AppProfileRules read = AppProfileFile::load();
    QVERIFY(read.switchingActive());
    QCOMPARE(read.rules().size(), 2);
    QCOMPARE(read.rules().at(0).program, QString("my game, the sequel"));
    QCOMPARE(read.rules().at(0).slot, 2);
    QCOMPARE(read.defaultSlot(), 0);
    read.setSwitchingWanted(false);
    QVERIFY(AppProfileFile::save(read));
    QVERIFY(!AppProfileFile::load().switchingActive());

    // Hostile files: each reads as no rules, in bounded time, and is never overwritten.
    const QByteArray huge = "[Rules]\nsize=2000000000\n1\\Program=" + QByteArray(300 * 1024, 'a') + "\n";
    const QList<QByteArray> hostile {
        "[Rules]\nsize=1\n1\\Program=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\n1\\Slot=1\n",
        huge,
    };
    for (const QByteArray &content : hostile) {
        dir.writeFile("Configs/AppProfiles.ini", content);
        QVERIFY(!AppProfileFile::isReadable());
        QVERIFY(AppProfileFile::load().rules().isEmpty());
        QVERIFY(!AppProfileFile::save(rules));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    // Values out of range, a huge count and lists are dropped rule by rule; the rest stays.
    dir.writeFile("Configs/AppProfiles.ini",
                  "[Switching]\nDefault=9\n[Rules]\nsize=99999999\n1\\Program=game\n1\\Slot=6\n"
                  "2\\Program=a, b\n2\\Slot=1\n3\\Program=../x\n3\\Slot=1\n4\\Program=ok\n4\\Slot=\" 3\"\n");
    QVERIFY(AppProfileFile::isReadable());
    const AppProfileRules clamped = AppProfileFile::load();
    QCOMPARE(clamped.defaultSlot(), int(AppProfileRules::KeepSlot));
    QCOMPARE(clamped.rules().size(), 2);
    QCOMPARE(clamped.rules().at(0).program, QString("x"));
    QCOMPARE(clamped.rules().at(1).program, QString("ok"));
    QCOMPARE(clamped.rules().at(1).slot, 2);
}

void TestAppProfiles::cliEditsTheFile()
{
    TestAppDir dir(TestAppDir::Installed);
    struct Step
    {
        QStringList args;
        int exitCode;
        QString output;
    };
    const QVector<Step> steps {
        { { "rules", "list" }, 0, "switching: on once a rule exists" },
        { { "rules", "add", "/opt/game/bin/game.x86_64", "3" }, 0, "game.x86_64\t3" },
        { { "rules", "add", "firefox", "2" }, 0, "switching: on" },
        { { "rules", "add", "firefox", "6" }, ExitUsage, "usage:" },
        { { "rules", "add", "", "1" }, ExitRefused, "cannot name a program" },
        { { "rules", "default", "5" }, 0, "default: slot 5" },
        { { "rules", "default", "keep" }, 0, "default: keep the current slot" },
        { { "rules", "off" }, 0, "switching: off" },
        { { "rules", "remove", "nothing" }, ExitRefused, "no rule for 'nothing'" },
        { { "rules", "remove", "firefox" }, 0, "game.x86_64\t3" },
        { { "rules", "on" }, 0, "switching: on" },
        { { "rules", "frobnicate" }, ExitUsage, "usage: mousecfg-cli rules" },
    };
    for (const Step &step : steps) {
        const CliResult result = runCli(dir, step.args);
        QVERIFY2(result.exitCode == step.exitCode, qPrintable(step.args.join(' ') + ": " + result.output));
        QVERIFY2(result.output.contains(step.output), qPrintable(step.args.join(' ') + ": " + result.output));
    }
    const AppProfileRules rules = AppProfileFile::load();
    QCOMPARE(rules.rules().size(), 1);
    QCOMPARE(rules.rules().first().program, QString("game.x86_64"));
    QCOMPARE(rules.rules().first().slot, 2);
    QVERIFY(rules.switchingActive());

    // A file the program cannot read safely is left alone.
    const QByteArray hostile = "[Rules]\nsize=1\n1\\Program=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\n";
    dir.writeFile("Configs/AppProfiles.ini", hostile);
    QCOMPARE(runCli(dir, { "rules", "add", "x", "1" }).exitCode, int(ExitRefused));
    QFile file(AppProfileFile::path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hostile);
}

void TestAppProfiles::policy_data()
{
    QTest::addColumn<QStringList>("windows"); // "program:ms in front" in turn
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>(
        "answers"); // the mouse's answer to each switch in turn: 'r' refuses, else takes it
    QTest::addColumn<QList<int>>("switches");
    QTest::addColumn<int>("refusedSignals");
    QTest::addColumn<int>("heldSignals");

    QTest::newRow("a program that stays switches") << QStringList { "game:900" } << ""
                                                   << "" << QList<int> { 2 } << 0 << 0;
    QTest::newRow("passing windows switch nothing")
        << QStringList { "game:50", "editor:50", "game:50", "editor:900" } << ""
        << "" << QList<int> { 0 } << 0 << 0;
    QTest::newRow("back to the default") << QStringList { "game:900", "xterm:900" } << ""
                                         << "" << QList<int> { 2, 0 } << 0 << 0;
    QTest::newRow("own window switches nothing") << QStringList { "own:900" } << ""
                                                 << "" << QList<int>() << 0 << 0;
    QTest::newRow("own window ends a wait") << QStringList { "game:100", "own:900" } << ""
                                            << "" << QList<int>() << 0 << 0;
    QTest::newRow("held while a box is open") << QStringList { "game:900", "editor:900" } << "box"
                                              << "" << QList<int>() << 0 << 2;
    QTest::newRow("refusal reported once") << QStringList { "game:900", "editor:900", "game:900" } << ""
                                           << "rrr" << QList<int>() << 1 << 0;
    QTest::newRow("reported again after a success")
        << QStringList { "game:900", "editor:900", "game:900" } << ""
        << "rtr" << QList<int> { 0 } << 2 << 0;
}

void TestAppProfiles::policy()
{
    QFETCH(QStringList, windows);
    QFETCH(QString, blocker);
    QFETCH(QString, answers);
    QFETCH(QList<int>, switches);
    QFETCH(int, refusedSignals);
    QFETCH(int, heldSignals);

    AppProfileRules rules;
    rules.setRule("game", 2);
    rules.setRule("editor", 0);
    rules.setDefaultSlot(0);
    int current = 4;
    QList<int> made;
    int asked = 0;
    const qint64 ownPid = 77;
    AppSwitchPolicy policy([&] { return rules; }, [&] { return current; }, [&] { return blocker; },
                           [&](int slot) {
                               const bool refuse = asked < answers.size() && answers.at(asked) == 'r';
                               ++asked;
                               if (refuse)
                                   return false;
                               made << slot;
                               current = slot;
                               return true;
                           });
    policy.setOwnPid(ownPid);
    // The settle time is kept; the test's times are well apart from it on either side.
    QSignalSpy refused(&policy, &AppSwitchPolicy::refused);
    QSignalSpy held(&policy, &AppSwitchPolicy::held);
    for (const QString &step : windows) {
        const QString program = step.section(':', 0, 0);
        const int ms = step.section(':', 1).toInt();
        policy.activeWindowChanged(program == "own" ? window("mousecfg", {}, ownPid) : window(program));
        QTest::qWait(ms);
    }
    QCOMPARE(made, switches);
    QCOMPARE(refused.size(), refusedSignals);
    QCOMPARE(held.size(), heldSignals);
}

QTEST_GUILESS_MAIN(TestAppProfiles)
#include "test_appprofiles.moc"
