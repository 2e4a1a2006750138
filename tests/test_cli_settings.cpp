#include "CliRun.h"
#include "VirtualMouseLink.h"
#include "core/settings/SlotSettings.h"
#include "device/upload/TarnProcessThread.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroLibrary.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnSingleDPI.h"
#include "ui/pages/TarnTwoBarSlider.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QtTest>

// The settings keys of a slot (the model, through the settings files) and mousecfg-cli get, set, macro
// and the completion script run as programs, on the demo product (sensor 3389: 100 to 32000 DPI, six
// stages, seven buttons).
class TestCliSettings : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void getAndSetCommands();
    void setUploadsAsThePage_data();
    void setUploadsAsThePage();
    void macros();
    void help();
    void bashCompletion_data();
    void bashCompletion();
};

namespace {

// A first start's settings: the factory configuration saved into every slot file.
void writeFactoryConfig()
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    QVERIFY(SaveConfig(config));
}

QJsonObject savedJson(int slot)
{
    ConfigData config;
    LoadConfig(config);
    return SlotSettings::toJson(config, slot, Product::load());
}

const QByteArray MacroText
    = "[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nDataH_0=0\nMap_1=4\nDataL_1=4\nDataH_1=0\n";

QJsonObject getJson(const TestAppDir &dir, const QStringList &slot = {})
{
    const CliResult result = runCli(dir, QStringList { "get" } + slot + QStringList { "--json" });
    if (result.exitCode != 0)
        return {};
    return QJsonDocument::fromJson(result.output.toUtf8()).object();
}

// A stored macro for the rows that bind one.
void storeMacro(const TestAppDir &dir, const QString &name)
{
    QString stored;
    QCOMPARE(ImportMacro(dir.writeFile(name + ".MSMACRO", MacroText), stored), MacroImport::Imported);
}

} // namespace

void TestCliSettings::roundTrip_data()
{
    QTest::addColumn<QStringList>("args");
    // Every key the command changes, with its value as get --json shows it afterwards.
    QTest::addColumn<QJsonObject>("changes");

    QTest::newRow("current stage") << QStringList { "dpi.stage", "4" } << QJsonObject { { "dpi.stage", 4 } };
    QTest::newRow("stage both axes") << QStringList {
        "dpi.2", "1600"
    } << QJsonObject { { "dpi.2", 1600 }, { "dpi.2.x", 1600 }, { "dpi.2.y", 1600 } };
    QTest::newRow("stage above the 50 steps")
        << QStringList { "dpi.6", "16100" }
        << QJsonObject { { "dpi.6", 16100 }, { "dpi.6.x", 16100 }, { "dpi.6.y", 16100 } };
    QTest::newRow("one axis unlinks")
        << QStringList { "dpi.2.y", "800" } << QJsonObject { { "dpi.2.link", false } };
    QTest::newRow("x axis") << QStringList { "dpi.3.x", "2400" }
                            << QJsonObject { { "dpi.3.x", 2400 }, { "dpi.3.link", false } };
    QTest::newRow("stage off") << QStringList { "dpi.5.enabled", "off" }
                               << QJsonObject { { "dpi.5.enabled", false } };
    QTest::newRow("plain function") << QStringList { "button.4", "Media/Mute" }
                                    << QJsonObject { { "button.4", "Media/Mute" } };
    QTest::newRow("name alone, any case")
        << QStringList { "button.5", "volume", "up" } << QJsonObject { { "button.5", "Media/Volume Up" } };
    QTest::newRow("single key") << QStringList { "button.5", "key:Home" }
                                << QJsonObject { { "button.5", "key:Home" } };
    QTest::newRow("combination") << QStringList { "button.6", "combo:Ctrl+C" }
                                 << QJsonObject { { "button.6", "combo:LCtr+C" } };
    QTest::newRow("combination in any order: stored as it is pressed")
        << QStringList { "button.6", "combo:c+Alt+RShift" }
        << QJsonObject { { "button.6", "combo:LShift+LAlt+C" } };
    QTest::newRow("modifiers alone") << QStringList { "button.6", "combo:Ctrl+Shift" }
                                     << QJsonObject { { "button.6", "combo:LShift+LCtr" } };
    QTest::newRow("fire key") << QStringList { "button.3", "fire:right,5,20" }
                              << QJsonObject { { "button.3", "fire:right,5,20" } };
    QTest::newRow("fire keyboard key")
        << QStringList { "button.3", "fire:Home,5,20" } << QJsonObject { { "button.3", "fire:Home,5,20" } };
    QTest::newRow("macro") << QStringList { "button.7", "macro:burst" }
                           << QJsonObject { { "button.7", "macro:burst" },
                                            { "macros", QJsonArray { "burst" } } };
    QTest::newRow("macro held") << QStringList { "button.7", "macro:burst,held" }
                                << QJsonObject { { "button.7", "macro:burst,held" },
                                                 { "macros", QJsonArray { "burst" } } };
    QTest::newRow("wheel") << QStringList { "wheel.up", "Media/Volume Up" }
                           << QJsonObject { { "wheel.up", "Media/Volume Up" } };
    QTest::newRow("effect") << QStringList { "lighting.effect", "BREATHING" }
                            << QJsonObject { { "lighting.effect", "BREATHING" },
                                             { "lighting.colour", "#00a0ff" } };
    QTest::newRow("colour") << QStringList { "lighting.colour", "#ff8800" }
                            << QJsonObject { { "lighting.colour", "#ff8800" } };
    QTest::newRow("brightness") << QStringList { "lighting.brightness", "1" }
                                << QJsonObject { { "lighting.brightness", 1 } };
    QTest::newRow("sleep") << QStringList { "lighting.sleep", "7" }
                           << QJsonObject { { "lighting.sleep", 7 } };
    QTest::newRow("light on when moving")
        << QStringList { "lighting.off-on-move", "off" } << QJsonObject { { "lighting.off-on-move", false } };
    QTest::newRow("rate") << QStringList { "rate", "500" } << QJsonObject { { "rate", 500 } };
    QTest::newRow("lift") << QStringList { "lift", "2" } << QJsonObject { { "lift", 2 } };
    QTest::newRow("key response") << QStringList { "sensor.key-response", "30" }
                                  << QJsonObject { { "sensor.key-response", 30 } };
    QTest::newRow("sync") << QStringList { "sensor.sync", "on" } << QJsonObject { { "sensor.sync", true } };
    QTest::newRow("angle snapping") << QStringList { "sensor.angle-snapping", "off" }
                                    << QJsonObject { { "sensor.angle-snapping", false } };
    QTest::newRow("jitter") << QStringList { "sensor.jitter", "no" }
                            << QJsonObject { { "sensor.jitter", false } };
    QTest::newRow("motion wake") << QStringList { "sensor.motion-wake", "false" }
                                 << QJsonObject { { "sensor.motion-wake", false } };
    QTest::newRow("sensor mode") << QStringList { "sensor.mode", "Competitive" }
                                 << QJsonObject { { "sensor.mode", "competitive" } };
    QTest::newRow("scroll speed") << QStringList { "scroll.speed", "7" }
                                  << QJsonObject { { "scroll.speed", 7 } };
    QTest::newRow("pointer speed") << QStringList { "pointer.speed", "15" }
                                   << QJsonObject { { "pointer.speed", 15 } };
}

void TestCliSettings::roundTrip()
{
    QFETCH(QStringList, args);
    QFETCH(QJsonObject, changes);
    TestAppDir dir(TestAppDir::Installed);
    writeFactoryConfig();
    if (args.at(1).startsWith("macro:"))
        storeMacro(dir, "burst");
    ConfigData config;
    LoadConfig(config);
    const int active = config.ProfileID;
    const QJsonObject before = SlotSettings::toJson(config, active, Product::load());
    QVERIFY(before.contains(args.first()));
    const QJsonObject otherBefore = SlotSettings::toJson(config, 2, Product::load());

    const SlotSettings::SetResult result = SlotSettings::set(config, active, args.first(), args.mid(1), Product::load());
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(SaveConfig(config));

    // Read back from the files: exactly the expected keys moved.
    QJsonObject expected = before;
    for (auto it = changes.begin(); it != changes.end(); ++it)
        expected.insert(it.key(), it.value());
    const QJsonObject after = savedJson(active);
    for (const QString &key : expected.keys())
        QVERIFY2(after.value(key) == expected.value(key), qPrintable(key));
    QCOMPARE(after.keys(), expected.keys());
    // The sensor settings belong to every slot; nothing else of another slot moves.
    const QJsonObject otherAfter = savedJson(2);
    for (const QString &key : otherBefore.keys()) {
        if (!key.startsWith("sensor.") && key != "lift")
            QVERIFY2(otherAfter.value(key) == otherBefore.value(key), qPrintable(key));
    }

    // The same through another slot lands there, lighting included.
    LoadConfig(config);
    QVERIFY(SlotSettings::set(config, 2, args.first(), args.mid(1), Product::load()).ok);
    QVERIFY(SaveConfig(config));
    const QJsonObject third = savedJson(2);
    for (auto it = changes.begin(); it != changes.end(); ++it)
        QVERIFY2(third.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(savedJson(active), after);
}

void TestCliSettings::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    QTest::newRow("off the sensor's steps") << QStringList { "dpi.2", "1625" }
                                            << "dpi.2: '1625' is refused; allowed: 100 to 32000 in steps of "
                                               "50 up to 16000, then 100 (nearest: 1600 or "
                                               "1650)";
    QTest::newRow("above the sensor") << QStringList { "dpi.2", "40000" } << "allowed: 100 to 32000";
    QTest::newRow("not a number") << QStringList { "dpi.2.x", "fast" } << "allowed: 100 to 32000";
    QTest::newRow("stage past the product's") << QStringList { "dpi.7", "800" } << "DPI stages 1 to 6";
    QTest::newRow("current stage") << QStringList { "dpi.stage", "0" } << "allowed: 1 to 6";
    QTest::newRow("switch") << QStringList { "dpi.1.enabled", "maybe" } << "allowed: on, off";
    QTest::newRow("button past the product's") << QStringList { "button.8", "Left" } << "buttons 1 to 7";
    QTest::newRow("record kept, not shown") << QStringList { "button.21", "Left" } << "buttons 1 to 7";
    QTest::newRow("unknown function") << QStringList { "button.4", "Teleport" }
                                      << "button.4: 'Teleport' is not offered here; allowed: Left, Right";
    QTest::newRow("function the menu lacks") << QStringList { "button.4", "Profile +" } << "not offered";
    QTest::newRow("wheel-only function") << QStringList { "button.4", "Scroll Up" } << "not offered";
    QTest::newRow("menu-only function on the wheel")
        << QStringList { "wheel.up", "Media/Mute" }
        << "allowed: Left, Right, Middle, Forward, Back, Media/Volume Up";
    QTest::newRow("only left click") << QStringList { "button.1", "Right" } << "only left click";
    QTest::newRow("unknown key") << QStringList { "button.5", "key:Hyper" } << "no key is named 'Hyper'";
    QTest::newRow("unknown combination key")
        << QStringList { "button.5", "combo:Ctrl+Nope" } << "no key is named 'Nope'";
    QTest::newRow("fire times") << QStringList { "button.5", "fire:left,0" } << "1 to 255";
    // What the mouse cannot carry: the same modifier twice would send another one, a second key or a
    // mouse button would be lost.
    const QString comboForm
        = "each of Shift, Ctrl, Win and Alt at most once and at most one other key, joined by '+', such "
          "as combo:Ctrl+Shift+C";
    QTest::newRow("modifier twice") << QStringList { "button.5", "combo:Ctrl+Ctrl" } << comboForm;
    QTest::newRow("both sides of a modifier") << QStringList { "button.5", "combo:LCtr+RCtr+A" } << comboForm;
    QTest::newRow("two keys") << QStringList { "button.5", "combo:A+B" } << comboForm;
    QTest::newRow("mouse button in a combination")
        << QStringList { "button.5", "combo:Ctrl+Left Button" }
        << "'Left Button' has no keyboard code the mouse can send; a combination is";
    QTest::newRow("mouse button as a key")
        << QStringList { "button.5", "key:Left Button" }
        << "'Left Button' has no keyboard code the mouse can send; key:KEY takes a keyboard key";
    QTest::newRow("mouse button as fire key")
        << QStringList { "button.5", "fire:Left Button,5,50" }
        << "'Left Button' has no keyboard code the mouse can send; fire:left|right|middle|KEY";
    QTest::newRow("no macro stored") << QStringList { "button.5", "macro:burst" } << "no macro is stored";
    QTest::newRow("effect") << QStringList { "lighting.effect", "DISCO" }
                            << "allowed: FULL LIGHTED, BREATHING, 7 COLOR BREATHING";
    QTest::newRow("colour") << QStringList { "lighting.colour", "orange" } << "allowed: #rrggbb";
    QTest::newRow("brightness") << QStringList { "lighting.brightness", "4" } << "allowed: 1 to 3";
    QTest::newRow("speed of an effect without one")
        << QStringList { "lighting.speed", "3" } << "the effect FULL LIGHTED has no speed; effects with one: BREATHING";
    QTest::newRow("sleep") << QStringList { "lighting.sleep", "10" } << "allowed: 1 to 9";
    QTest::newRow("rate") << QStringList { "rate", "300" }
                          << "rate: '300' is refused; allowed: 125, 250, 500, 1000";
    QTest::newRow("lift") << QStringList { "lift", "3" } << "allowed: 1 to 2";
    QTest::newRow("sensor mode") << QStringList { "sensor.mode", "turbo" }
                                 << "allowed: eco, standard, competitive";
    QTest::newRow("key response") << QStringList { "sensor.key-response", "256" } << "allowed: 1 to 255";
    QTest::newRow("scroll speed") << QStringList { "scroll.speed", "21" } << "allowed: 1 to 20";
    QTest::newRow("pointer speed") << QStringList { "pointer.speed", "0" } << "allowed: 1 to 20";
    QTest::newRow("read-only") << QStringList { "macros", "x" } << "macros: read-only";
    QTest::newRow("unknown setting") << QStringList { "colour", "red" } << "unknown key 'colour'";
}

void TestCliSettings::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    TestAppDir dir(TestAppDir::Installed);
    writeFactoryConfig();
    ConfigData config;
    LoadConfig(config);
    const ConfigData before = config;

    const SlotSettings::SetResult result
        = SlotSettings::set(config, config.ProfileID, args.first(), args.mid(1), Product::load());
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
    QVERIFY(!result.error.contains('\n'));
    QVERIFY(config == before);
}

void TestCliSettings::getAndSetCommands()
{
    TestAppDir dir(TestAppDir::Installed);
    writeFactoryConfig();
    const QString trace = dir.path() + "/trace.txt";

    // get --json, one value edited, set, get: the text form shows it, the JSON holds it.
    QJsonObject settings = getJson(dir);
    QCOMPARE(settings.value("dpi.2").toInt(), 800);
    CliResult result = runCli(dir, { "set", "dpi.2", "1600", "--no-apply" }, "receiver", trace);
    QCOMPARE(result.exitCode, 0);
    settings.insert("dpi.2", 1600);
    settings.insert("dpi.2.x", 1600);
    settings.insert("dpi.2.y", 1600);
    QCOMPARE(getJson(dir), settings);
    QVERIFY(runCli(dir, { "get" }).output.contains("\ndpi.2 = 1600\ndpi.2.x = 1600\n"));
    QVERIFY(writtenReports(trace).isEmpty());

    // An explicit slot, and a value of several words.
    QCOMPARE(runCli(dir, { "set", "3", "button.4", "Media/Volume", "Up", "--no-apply" }).exitCode, 0);
    QCOMPARE(getJson(dir, { "3" }).value("button.4").toString(), QStringLiteral("Media/Volume Up"));
    QCOMPARE(getJson(dir).value("button.4").toString(), QStringLiteral("Forward"));

    // A refused value: exit 65, one line, nothing saved, nothing sent.
    result = runCli(dir, { "set", "dpi.2", "1625" }, "receiver", trace);
    QCOMPARE(result.exitCode, 65);
    QCOMPARE(
        result.output,
        QStringLiteral("mousecfg-cli: dpi.2: '1625' is refused; allowed: 100 to 32000 in steps of 50 up to "
                       "16000, then 100 (nearest: 1600 or 1650)\n"));
    QCOMPARE(getJson(dir), settings);
    QVERIFY(writtenReports(trace).isEmpty());

    // A button value the mouse cannot carry: the same, exit 65.
    result = runCli(dir, { "set", "button.6", "combo:A+B" }, "receiver", trace);
    QCOMPARE(result.exitCode, 65);
    QVERIFY2(result.output.startsWith("mousecfg-cli: button.6: a combination is each of Shift"),
             qPrintable(result.output));
    QCOMPARE(result.output.count('\n'), 1);
    QCOMPARE(getJson(dir), settings);
    QVERIFY(writtenReports(trace).isEmpty());

    // Wrong command lines.
    for (const QStringList &args :
         { QStringList { "set", "6", "dpi.1", "800" }, QStringList { "set", "dpi.1" },
           QStringList { "get", "9" }, QStringList { "get", "dpi.1" } }) {
        result = runCli(dir, args);
        QVERIFY2(result.exitCode == 64, qPrintable(args.join(' ')));
        QVERIFY(result.output.startsWith("usage: mousecfg-cli " + args.first()));
    }

    // Without a mouse the value is kept, and the exit code says it was not sent.
    const QString unplugged = dir.writeFile("none.ini", "[Mouse]\nConnection=none\n");
    QCOMPARE(runCli(dir, { "set", "rate", "500" }, unplugged).exitCode, 1);
    QCOMPARE(getJson(dir).value("rate").toInt(), 500);
}

namespace {

// The reports of `set SLOT KEY VALUE` with that slot current, after the full upload the installation
// asks for first; the battery query before the upload is left out.
QStringList reportsOfSet(int slot, const QString &key, const QString &value)
{
    TestAppDir dir(TestAppDir::Installed);
    writeFactoryConfig();
    if (!SaveProfileID(slot))
        return {};
    if (runCli(dir, { "apply" }, "receiver").exitCode != 0)
        return {};
    const QString trace = dir.path() + "/trace.txt";
    const CliResult result
        = runCli(dir, { "set", QString::number(slot + 1), key, value }, "receiver", trace);
    if (result.exitCode != 0 || result.output != "Done.\n")
        return { result.output };
    QStringList reports = writtenReports(trace);
    if (!reports.isEmpty())
        reports.removeFirst();
    // "--no-apply" only saves.
    QFile::remove(trace);
    if (runCli(dir, { "set", "dpi.3", "3200", "--no-apply" }, "receiver", trace).exitCode != 0
        || !writtenReports(trace).isEmpty())
        return { "--no-apply sent something" };
    return reports;
}

} // namespace

void TestCliSettings::setUploadsAsThePage_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    for (int slot : { 0, 2 }) {
        const QByteArray name = "slot " + QByteArray::number(slot + 1) + " ";
        QTest::newRow(name + "dpi.2") << slot << "dpi.2" << "1600";
        QTest::newRow(name + "button.3") << slot << "button.3" << "Media/Volume Up";
        QTest::newRow(name + "lighting.colour") << slot << "lighting.colour" << "#123456";
        QTest::newRow(name + "lighting.brightness") << slot << "lighting.brightness" << "1";
        QTest::newRow(name + "lighting.sleep") << slot << "lighting.sleep" << "7";
        QTest::newRow(name + "lighting.off-on-move") << slot << "lighting.off-on-move" << "off";
    }
}

void TestCliSettings::setUploadsAsThePage()
{
    QFETCH(int, slot);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QStringList fromCli = reportsOfSet(slot, key, value);
    QVERIFY2(fromCli.size() > 2, qPrintable(fromCli.join('\n')));
    // Slot 3 current: the same reports as slot 1 current, but for the slot the general block names.
    if (slot != 0)
        QCOMPARE(withoutSlotNumber(fromCli), withoutSlotNumber(reportsOfSet(0, key, value)));
    if (key != "dpi.2")
        return;

    // The window: the same stage moved on the DPI page and sent as "Apply" sends it.
    VirtualMouseLink link(true, false);
    const QString trace = link.dir.path() + "/page-trace.txt";
    writeFactoryConfig();
    ConfigData config;
    LoadConfig(config);
    config.ProfileID = quint8(slot);
    SaveDiff(0);
    const ConfigData lastSent = config;
    TarnDPIWindow page;
    page.refreshFrom(config, slot);
    page.row(1)->slider()->combinedSlider()->setValue(1600 / 50);
    page.collectInto(config, slot);
    link.session.upload().state().UploadSnapshot() = config;
    link.session.upload().state().LastSentConfig() = lastSent;
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    TarnProcessThread upload(link.session.upload());
    upload.start();
    QVERIFY(upload.wait(60000));
    qunsetenv("MOUSECFG_TRACE");
    QCOMPARE(upload.status(), quint8(0));

    QCOMPARE(fromCli, writtenReports(trace));
}

void TestCliSettings::macros()
{
    TestAppDir dir(TestAppDir::Installed);
    QCOMPARE(runCli(dir, { "macro", "list" }).output, QString());
    const QString file = dir.writeFile("in/burst.MSMACRO", MacroText);
    CliResult result = runCli(dir, { "macro", "import", file });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(runCli(dir, { "macro", "list" }).output, QStringLiteral("burst\n"));
    QCOMPARE(runCli(dir, { "macro", "list", "--json" }).output.simplified(), QStringLiteral("[ \"burst\" ]"));

    // The library's import rules: a taken name and an unreadable file are refused.
    result = runCli(dir, { "macro", "import", file });
    QCOMPARE(result.exitCode, 65);
    QVERIFY(result.output.contains("Macro Exist!"));
    QCOMPARE(runCli(dir, { "macro", "import", dir.path() + "/in/none.MSMACRO" }).exitCode, 66);

    const QString out = dir.path() + "/out.MSMACRO";
    QCOMPARE(runCli(dir, { "macro", "export", "burst", out }).exitCode, 0);
    QFile exported(out);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), MacroText);
    QCOMPARE(runCli(dir, { "macro", "export", "none", out }).exitCode, 66);
    QCOMPARE(runCli(dir, { "macro", "export", "burst", dir.path() + "/no/such/folder/x" }).exitCode, 73);
    QCOMPARE(runCli(dir, { "macro", "rename" }).exitCode, 64);

    // A macro without delays longer than the mouse keeps: stored and bound, with a warning line.
    QByteArray longText = "[Setting]\nCount=55\n";
    for (int i = 0; i < 55; ++i)
        longText
            += QStringLiteral("Map_%1=%2\nDataL_%1=4\nDataH_%1=0\n").arg(i).arg(i % 2 ? 4 : 132).toLatin1();
    const QString warning = "mousecfg-cli: warning: the mouse receives only the first 49 of the 55 events of "
                            "macro 'long' (without a delay the mouse keeps 49; with one, up to 63)\n";
    result = runCli(dir, { "macro", "import", dir.writeFile("in/long.MSMACRO", longText) });
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.output.contains(warning), qPrintable(result.output));
    writeFactoryConfig();
    result = runCli(dir, { "set", "button.7", "macro:long,held", "--no-apply" });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, warning);
    QCOMPARE(getJson(dir).value("button.7").toString(), QStringLiteral("macro:long,held"));
    // One that fits says nothing.
    QCOMPARE(runCli(dir, { "set", "button.7", "macro:burst", "--no-apply" }).output, QString());
}

void TestCliSettings::help()
{
    TestAppDir dir(TestAppDir::Installed);
    const CliResult main = runCli(dir, { "--help" });
    for (const QString command : { "get", "set", "macro", "status", "apply", "rules", "probe" }) {
        QVERIFY2(main.output.contains("\n  " + command + " "), qPrintable(command));
        const CliResult result = runCli(dir, { command, "--help" });
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.output.startsWith("usage: mousecfg-cli " + command), qPrintable(result.output));
        QVERIFY2(result.output.contains("exit codes:\n  0   success\n"), qPrintable(result.output));
    }
    QVERIFY(runCli(dir, { "set", "--help" }).output.contains("  65  "));
    QVERIFY(!runCli(dir, { "get", "--help" }).output.contains("  65  "));

    const CliResult status = runCli(dir, { "status", "--json" }, "receiver");
    QCOMPARE(status.exitCode, 0);
    const QJsonObject facts = QJsonDocument::fromJson(status.output.toUtf8()).object();
    QCOMPARE(facts.value("connection").toString(), QStringLiteral("receiver"));
    QCOMPARE(facts.value("battery").toInt(), 90);
    QCOMPARE(facts.value("charging").toBool(), false);
    QCOMPARE(facts.value("slot").toInt(), 1);
}

void TestCliSettings::bashCompletion_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("offered");

    QTest::newRow("commands") << "s" << QStringList { "set", "status", "select-profile" };
    QTest::newRow("keys") << "set dpi.2"
                          << QStringList { "dpi.2", "dpi.2.x", "dpi.2.y", "dpi.2.enabled", "dpi.2.link" };
    QTest::newRow("keys after a slot") << "set 3 lighting.c" << QStringList { "lighting.colour" };
    QTest::newRow("values") << "set sensor.mode " << QStringList { "eco", "standard", "competitive" };
    QTest::newRow("macro actions") << "macro " << QStringList { "list", "import", "export", "--help" };
    QTest::newRow("probe options") << "probe --" << QStringList { "--all", "--report", "--with-serials", "--help" };
}

void TestCliSettings::bashCompletion()
{
    QFETCH(QString, line);
    QFETCH(QStringList, offered);
    if (QStandardPaths::findExecutable("bash").isEmpty())
        QSKIP("no bash");
    TestAppDir dir(TestAppDir::Installed);
    const QString script = QStringLiteral("source '%1/data/completions/mousecfg-cli.bash' || exit 3\n"
                                          "PATH='%2':$PATH\n"
                                          "read -ra COMP_WORDS <<< \"mousecfg-cli --appdir %3 $LINE\"\n"
                                          "[[ $LINE == *' ' ]] && COMP_WORDS+=('')\n"
                                          "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                          "_mousecfg_cli\n"
                                          "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                               .arg(MOUSECFG_SOURCE_DIR, MOUSECFG_APPDIR, dir.path());
    QProcess bash;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LINE", line);
    bash.setProcessEnvironment(env);
    bash.start("bash", { "--norc", "--noprofile", "-c", script });
    QVERIFY(bash.waitForFinished(30000));
    QCOMPARE(bash.exitCode(), 0);
    QStringList replies
        = QString::fromLocal8Bit(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QStringList expected = offered;
    replies.sort();
    expected.sort();
    QCOMPARE(replies, expected);
}

QTEST_MAIN(TestCliSettings)
#include "test_cli_settings.moc"
