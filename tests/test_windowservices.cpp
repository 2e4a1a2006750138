#include "CliRun.h"
#include "PrivateBus.h"
#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "core/MouseBusService.h"
#include "core/settings/SlotSettings.h"
#include "device/status/StatusThreadRunner.h"
#include "platform/DesktopNotifications.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "storage/ConfigStore.h"
#include "storage/KeyTable.h"
#include "ui/main/BatteryAlerts.h"
#include "ui/main/BatteryDisplayState.h"
#include "ui/main/BatteryNotices.h"
#include "ui/main/FirmwareUpdate.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageButton.h"
#include "storage/Product.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/WindowMouseEngine.h"
#include "ui/widgets/ShownKeyNames.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/TarnMessageBox.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QDBusConnection>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

// The window's services beyond itself: the firmware updater hand-off, the language switch, the
// battery notices and the tray tooltip.
class TestWindowServices : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firmwareUpdateNeedsTheCable();
    void firmwareUpdateByCableEndsTheProcess();
    void languageSwitchAndMissingTranslation();
    void languageButtonHiddenWithoutChoice();
    void batteryNoticeRules();
    void batteryNoticesReachTheDesktop();
    void trayToolTipFollowsTheBattery();
    void footerFollowsBatteryReports_data();
    void footerFollowsBatteryReports();
    void busSetSendsTheCurrentSlot_data();
    void busSetSendsTheCurrentSlot();
    void settingsByKeyShowOnThePages_data();
    void settingsByKeyShowOnThePages();

private:
    MousecfgWidget *createWindow(const QByteArray &connection);

    QScopedPointer<TestAppDir> m_dir;
    QScopedPointer<ScriptedPrompts> m_prompts;
    // The program's session, made with each window and going after it.
    QScopedPointer<ProgramSession> m_program;
    QScopedPointer<MousecfgWidget> m_window;
};

namespace {
const char FirmwareChildVariable[] = "MOUSECFG_TEST_FIRMWARE_CHILD";

// Records every box of the child process in a file: the parent cannot see its prompts otherwise.
class RecordingPrompts : public ScriptedPrompts
{
public:
    explicit RecordingPrompts(const QString &file)
        : m_file(file)
    { }
    int messageBox(int buttonMode, const QString &title, const QString &text, int icon, QWidget *parent,
                   bool waitForMouse) override
    {
        QFile record(m_file);
        if (record.open(QIODevice::Append))
            record.write(text.toUtf8() + '\n');
        return ScriptedPrompts::messageBox(buttonMode, title, text, icon, parent, waitForMouse);
    }

private:
    QString m_file;
};

// The child: a window on the cable whose "Firmware Update" is pressed and answered "Yes". It must end
// with code 0 before the 3 of a run that went on.
int runFirmwareChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(qgetenv(FirmwareChildVariable));
    AppPaths::setAppDir(dir);
    RecordingPrompts prompts(dir + QStringLiteral("/boxes.txt"));
    ProgramSession program;
    auto *window = program.newWindow();
    QTest::mouseClick(window->header()->firmwareButton(), Qt::LeftButton);
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    app.exec();
    return 3;
}

// A fake desktop notification service: keeps what it is asked to show.
class NotificationSink : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notice
    {
        QString summary;
        QString body;
        int urgency;
        uint replaces;
    };
    QList<Notice> notices;

public slots:
    uint Notify(const QString &, uint replaces, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int)
    {
        notices.append({ summary, body, hints.value(QStringLiteral("urgency")).toInt(), replaces });
        return uint(notices.size());
    }
};

// A battery state seen through the receiver after a report of `raw` (high * 256 + low).
BatteryDisplayState receiverState(int raw, bool charging = false)
{
    BatteryDisplayState state;
    state.takeReport(BatteryReport::fromBytes(charging ? 1 : 0, quint8(raw & 0xFF), quint8(raw >> 8), 4200), false);
    state.updateConnection(false, true);
    return state;
}
} // namespace

void TestWindowServices::init()
{
    m_dir.reset(new TestAppDir(TestAppDir::Installed));
    m_prompts.reset(new ScriptedPrompts);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
}

void TestWindowServices::cleanup()
{
    m_window.reset();
    m_program.reset();
    m_prompts.reset();
    m_dir.reset();
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

MousecfgWidget *TestWindowServices::createWindow(const QByteArray &connection)
{
    const QString scenario
        = m_dir->writeFile(QStringLiteral("scenario.ini"), "[Mouse]\nConnection=" + connection + "\n");
    qputenv("MOUSECFG_VIRTUAL_MOUSE", scenario.toLocal8Bit());
    m_window.reset();
    m_program.reset(new ProgramSession);
    m_window.reset(m_program->newWindow());
    return m_window.data();
}

void TestWindowServices::firmwareUpdateNeedsTheCable()
{
    MousecfgWidget *window = createWindow("receiver");
    QStringList started;
    QList<int> exits;
    window->firmwareUpdate()->setStarter([&](const QString &program) { return started << program, true; });
    window->firmwareUpdate()->setExit([&](int code) { exits << code; });

    // Through the receiver: only the cable message, nothing started.
    QTest::mouseClick(window->header()->firmwareButton(), Qt::LeftButton);
    QTRY_COMPARE(m_prompts->boxes.size(), 1);
    QCOMPARE(m_prompts->boxes[0].text,
             QStringLiteral("To update the firmware, please connect to the computer with a cable."));
    QCOMPARE(m_prompts->boxes[0].title, QStringLiteral("Warning"));
    QVERIFY(m_prompts->boxes[0].buttonMode != TarnMessageBox::QuestionButtons);
    QVERIFY(started.isEmpty());
    QVERIFY(exits.isEmpty());
    QVERIFY(!window->header()->firmwareButton()->isChecked());

    // By cable, answered "No": nothing happens; "Yes": status thread stopped, updater started, exit 0.
    m_window.reset();
    m_prompts->boxes.clear();
    window = createWindow("cable");
    window->firmwareUpdate()->setStarter([&](const QString &program) { return started << program, false; });
    window->firmwareUpdate()->setExit([&](int code) { exits << code; });
    m_prompts->boxAnswers << QDialog::Rejected << QDialog::Accepted;
    window->firmwareUpdate()->run();
    QCOMPARE(m_prompts->boxes.size(), 1);
    QCOMPARE(m_prompts->boxes[0].text, QStringLiteral("Do you want to upgrade the firmware?"));
    QCOMPARE(m_prompts->boxes[0].buttonMode, int(TarnMessageBox::QuestionButtons));
    QVERIFY(m_program->session.statusRunner()->isRunning());
    QVERIFY(started.isEmpty());
    window->firmwareUpdate()->run();
    QVERIFY(!m_program->session.statusRunner()->isRunning());
    // A missing updater ends the process all the same.
    QCOMPARE(started, QStringList { m_dir->path() + QStringLiteral("/skin/mouse/bin/RX71QA-UPD-VER1.3") });
    QCOMPARE(exits, QList<int> { 0 });
}

void TestWindowServices::firmwareUpdateByCableEndsTheProcess()
{
    const QString updater = m_dir->writeFile(QStringLiteral("skin/mouse/bin/RX71QA-UPD-VER1.3"),
                                             "#!/bin/sh\necho started > \"$0.ran\"\n");
    QFile(updater).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString scenario = m_dir->writeFile(QStringLiteral("scenario.ini"), "[Mouse]\nConnection=cable\n");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(FirmwareChildVariable), m_dir->path());
    environment.insert(QStringLiteral("MOUSECFG_VIRTUAL_MOUSE"), scenario);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QFile boxes(m_dir->path() + QStringLiteral("/boxes.txt"));
    QVERIFY(boxes.open(QIODevice::ReadOnly));
    QCOMPARE(boxes.readAll(), QByteArray("Do you want to upgrade the firmware?\n"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(updater + QStringLiteral(".ran")), 5000);
}

void TestWindowServices::languageSwitchAndMissingTranslation()
{
    QDir().mkpath(m_dir->path() + QStringLiteral("/lang"));
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_SAMPLE_QM),
                        m_dir->path() + QStringLiteral("/lang/mousecfg_fr.qm")));
    MousecfgWidget *window = createWindow("receiver");
    LanguageButton *button = window->header()->languageButton();
    TarnPushButton *lightingTab = window->tabs()->button(TabBar::Lighting);
    QVERIFY(!button->isHidden());
    QCOMPARE(button->text(), QStringLiteral("English"));
    QCOMPARE(lightingTab->text(), QStringLiteral("LIGHTING"));
    QVERIFY(button->action(0)->isChecked());
    QVERIFY(!FrenchKeyNames());

    // French: saved, texts and key names follow; the status thread rests and comes back.
    QSignalSpy changed(window->languageSwitch(), &LanguageSwitch::languageChanged);
    button->action(1)->trigger();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(LoadLanguage(), 1);
    QCOMPARE(CurrentLanguage(), 1);
    QCOMPARE(button->text(), QStringLiteral("Fran\u00e7ais"));
    QCOMPARE(lightingTab->text(), QStringLiteral("\u00c9CLAIRAGE"));
    QCOMPARE(window->header()->firmwareButton()->text(), QStringLiteral("Mise \u00e0 jour"));
    QCOMPARE(lightingTab->accessibleName(), lightingTab->text());
    QVERIFY(FrenchKeyNames());
    QCOMPARE(ShownKeyName(30), QStringLiteral("q"));
    auto *status = m_program->session.statusRunner();
    QVERIFY(!status->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(status->isRunning(), 2000);

    // German has no translation file: the choice is saved, the French texts stay.
    button->action(2)->trigger();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(LoadLanguage(), 2);
    QCOMPARE(button->text(), QStringLiteral("Deutsch"));
    QVERIFY(button->action(2)->isChecked());
    QCOMPARE(lightingTab->text(), QStringLiteral("\u00c9CLAIRAGE"));
    QCOMPARE(HeaderBar::tr("Firmware Update"), QStringLiteral("Mise \u00e0 jour"));
    QVERIFY(!FrenchKeyNames());

    // The next start comes up in the saved language; without its file, in English.
    m_window.reset();
    SaveLanguage(1);
    window = createWindow("receiver");
    QCOMPARE(window->tabs()->button(TabBar::Lighting)->text(), QStringLiteral("\u00c9CLAIRAGE"));
    QCOMPARE(window->header()->languageButton()->text(), QStringLiteral("Fran\u00e7ais"));
    m_window.reset();
    SaveLanguage(2);
    window = createWindow("receiver");
    QCOMPARE(window->tabs()->button(TabBar::Lighting)->text(), QStringLiteral("LIGHTING"));
}

void TestWindowServices::languageButtonHiddenWithoutChoice()
{
    QSettings settings(AppPaths::globalConfigFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("FONT_LIST/LANGNUM"), 1);
    settings.sync();
    MousecfgWidget *window = createWindow("receiver");
    QVERIFY(window->header()->languageButton()->isHidden());
    m_window.reset();
    settings.remove(QStringLiteral("FONT_LIST"));
    settings.sync();
    window = createWindow("receiver");
    QVERIFY(window->header()->languageButton()->isHidden());
    // A hand-edited file naming a translation outside the folder loads nothing.
    settings.setValue(QStringLiteral("FONT_LIST/LANGNUM"), 2);
    settings.setValue(QStringLiteral("FONT_LIST/LangFile_1"), QStringLiteral("../x"));
    settings.sync();
    const Product product = Product::load();
    LanguageSwitch languages(product);
    QVERIFY(!languages.choose(1));
    QVERIFY(!languages.choose(5));
    QCOMPARE(languages.current(), 1);
    // A list cut below the stored choice shows the first language, never an empty button.
    settings.setValue(QStringLiteral("FONT_LIST/LANGNUM"), 1);
    settings.sync();
    const Product cutProduct = Product::load();
    LanguageSwitch cut(cutProduct);
    QCOMPARE(cut.current(), 0);
}

void TestWindowServices::batteryNoticeRules()
{
    BatteryNotices rules;
    QCOMPARE(rules.takeLevel(40, false), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(20, false), BatteryNotices::LowNotice);
    QCOMPARE(rules.takeLevel(20, false), BatteryNotices::NoNotice);
    // A reading that wobbles back up one step does not warn again.
    QCOMPARE(rules.takeLevel(30, false), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(20, false), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(10, false), BatteryNotices::CriticalNotice);
    QCOMPARE(rules.takeLevel(10, false), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(0, false), BatteryNotices::NoNotice);
    // After charging both come again; a fall straight to 10 % warns once.
    QCOMPARE(rules.takeLevel(10, true), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(10, false), BatteryNotices::CriticalNotice);
    QCOMPARE(rules.takeLevel(20, false), BatteryNotices::NoNotice);
    // A battery charged elsewhere counts as charged.
    QCOMPARE(rules.takeLevel(60, false), BatteryNotices::NoNotice);
    QCOMPARE(rules.takeLevel(20, false), BatteryNotices::LowNotice);
}

void TestWindowServices::batteryNoticesReachTheDesktop()
{
    PrivateBus bus;
    const QString address = bus.address();
    if (address.isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh)");
    {
        QDBusConnection sinkBus = QDBusConnection::connectToBus(address, QStringLiteral("sink"));
        NotificationSink sink;
        QVERIFY(sinkBus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(sinkBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &sink,
                                       QDBusConnection::ExportAllSlots));
        DesktopNotifications notifications(QDBusConnection::connectToBus(address, QStringLiteral("client")));
        BatteryAlerts alerts(&notifications);
        QSignalSpy sent(&alerts, &BatteryAlerts::noticeSent);
        QSignalSpy shown(&notifications, &DesktopNotifications::shown);

        // Raw 850 reads 30 %, 800 reads 20 %, 700 reads 10 %.
        alerts.takeReport(receiverState(850), QStringLiteral("SKYLARK"));
        alerts.takeReport(receiverState(800), QStringLiteral("SKYLARK"));
        alerts.takeReport(receiverState(800), QStringLiteral("SKYLARK"));
        QTRY_COMPARE(sink.notices.size(), 1);
        QCOMPARE(sink.notices[0].urgency, int(DesktopNotifications::Normal));
        QVERIFY(sink.notices[0].body.contains(QStringLiteral("SKYLARK: 20%")));
        // The service's answer names the notice that a later one replaces.
        QTRY_COMPARE(shown.size(), 1);
        alerts.takeReport(receiverState(700), QStringLiteral("SKYLARK"));
        QTRY_COMPARE(sink.notices.size(), 2);
        QCOMPARE(sink.notices[1].urgency, int(DesktopNotifications::Critical));
        // The second replaces the first on the desktop.
        QCOMPARE(sink.notices[1].replaces, 1u);
        QCOMPARE(sent.size(), 2);

        // An off mouse says nothing; charging re-arms; the setting switches notices off.
        BatteryDisplayState off;
        off.takeReport(BatteryReport::fromBytes(0, 0, 0, 4200), false);
        alerts.takeReport(off, QStringLiteral("SKYLARK"));
        alerts.takeReport(receiverState(700, true), QStringLiteral("SKYLARK"));
        QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("Config/BatteryNotices"), 0);
        alerts.takeReport(receiverState(800), QStringLiteral("SKYLARK"));
        QTest::qWait(200);
        QCOMPARE(sink.notices.size(), 2);
        QCOMPARE(sent.size(), 2);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("sink"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
}

void TestWindowServices::busSetSendsTheCurrentSlot_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("a stage's DPI") << "dpi.2" << "1600";
    QTest::newRow("a button") << "button.3" << "Media/Volume Up";
    QTest::newRow("lighting colour") << "lighting.colour" << "#123456";
    QTest::newRow("sleep time") << "lighting.sleep" << "7";
}

// D-Bus "Set" and "Apply" on slot 3 send what they send on slot 1, but for slot 3: the slot's own
// stages, buttons and lighting, not the first slot's.
void TestWindowServices::busSetSendsTheCurrentSlot()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const auto sent = [&](int slot) {
        // Each slot from a fresh installation, so that both uploads start alike.
        cleanup();
        init();
        MousecfgWidget *window = createWindow("receiver");
        MouseBusService service(QDBusConnection(QStringLiteral("no bus")));
        const std::unique_ptr<WindowMouseEngine> engine(new WindowMouseEngine(window, &service));
        const bool switched = engine->selectSlot(slot).ok();
        // A colour needs an effect that shows one.
        const bool effect = engine->setSetting(slot, QStringLiteral("lighting.effect"), QStringLiteral("BREATHING")).ok();
        const QString trace = m_dir->path() + QStringLiteral("/set.trace");
        qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
        const bool set = engine->setSetting(slot, key, value).ok();
        const bool applied = set && engine->apply(false).ok();
        qunsetenv("MOUSECFG_TRACE");
        QStringList frames = switched && effect && applied ? writtenReports(trace) : QStringList();
        // The status thread's battery queries come when they come.
        frames.erase(std::remove_if(frames.begin(), frames.end(),
                                    [](const QString &frame) { return frame.mid(6, 2) == QLatin1String("48"); }),
                     frames.end());
        return frames;
    };
    const QStringList first = sent(0);
    const QStringList third = sent(2);
    QVERIFY(first.size() > 2);
    QCOMPARE(withoutSlotNumber(third), withoutSlotNumber(first));
    QVERIFY(third != first);
}

void TestWindowServices::settingsByKeyShowOnThePages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a stage's DPI") << "dpi.1" << "800" << 0;
    QTest::newRow("a stage's Y") << "dpi.2.y" << "1200" << 0;
    QTest::newRow("lighting effect") << "lighting.effect" << "BREATHING" << 0;
    QTest::newRow("report rate") << "rate" << "500" << 0;
    QTest::newRow("a key on a button") << "button.4" << "key:Home" << 0;
    QTest::newRow("a rate the mouse lacks") << "rate" << "333" << 65;
    QTest::newRow("a button it lacks") << "button.99" << "key:Home" << 65;
}

// What the D-Bus "Set" does in the window: the value lands in the working configuration, the slot
// file and the pages, so that collecting the pages again (as "Apply" does) keeps it.
void TestWindowServices::settingsByKeyShowOnThePages()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, exitCode);
    MousecfgWidget *window = createWindow("receiver");
    MouseBusService service(QDBusConnection(QStringLiteral("no bus")));
    // Goes before the service it serves, as in the program.
    const std::unique_ptr<WindowMouseEngine> engine(new WindowMouseEngine(window, &service));
    const int slot = window->workingConfig().ProfileID;
    const QJsonObject before = engine->settings(slot);

    const OperationResult result = engine->setSetting(slot, key, value);
    QCOMPARE(result.exitCode, exitCode);
    const QString shown = SlotSettings::text(engine->settings(slot).value(key));
    if (exitCode != 0) {
        QVERIFY(!result.message.isEmpty());
        QCOMPARE(engine->settings(slot), before);
        return;
    }
    QCOMPARE(shown.toLower(), value.toLower());
    ConfigData saved;
    LoadConfig(saved);
    QCOMPARE(SlotSettings::toJson(saved, slot, Product::load()).value(key), engine->settings(slot).value(key));
    window->collectPageState();
    QCOMPARE(SlotSettings::text(engine->settings(slot).value(key)).toLower(), value.toLower());
}

void TestWindowServices::trayToolTipFollowsTheBattery()
{
    MousecfgWidget *window = createWindow("receiver");
    QSystemTrayIcon *tray = window->tray()->icon();
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0xA2, 0x03, 4200));
    QCOMPARE(tray->toolTip(), QStringLiteral("SKYLARK\nBattery: 60%"));
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(0, 0, 0, 4200));
    QCOMPARE(tray->toolTip(), QStringLiteral("SKYLARK\nMOUSE OFF"));
    window->slotRefreshBatteryStatus(BatteryReport::fromBytes(1, 0xA2, 0x03, 4200));
    QCOMPARE(tray->toolTip(), QStringLiteral("SKYLARK\nCharging"));
    QCOMPARE(BatteryAlerts::toolTip(BatteryDisplayState(), QStringLiteral("SKYLARK")),
             QStringLiteral("SKYLARK\nNot connected"));
}

void TestWindowServices::footerFollowsBatteryReports_data()
{
    // Reports as "charge byte:reading" (reading 930 is 60 %; 0:0 is a sleeping mouse), in order.
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<int>("connection");
    QTest::addColumn<bool>("barShown");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("on battery") << QStringList { "0:930" } << false << int(BatteryDisplayState::Receiver)
                                << true << "SKYLARK\nBattery: 60%";
    QTest::newRow("charging") << QStringList { "1:930" } << false << int(BatteryDisplayState::Charging)
                              << false << "SKYLARK\nCharging";
    QTest::newRow("asleep") << QStringList { "0:930", "0:0" } << false << int(BatteryDisplayState::Receiver)
                            << true << "SKYLARK\nMOUSE OFF";
    QTest::newRow("asleep after charging")
        << QStringList { "1:930", "0:0" } << false << int(BatteryDisplayState::Receiver) << true
        << "SKYLARK\nMOUSE OFF";
    QTest::newRow("woken charging") << QStringList { "1:930", "0:0", "1:930" } << false
                                    << int(BatteryDisplayState::Charging) << false << "SKYLARK\nCharging";
    QTest::newRow("cable and receiver") << QStringList { "0:930" } << true
                                        << int(BatteryDisplayState::Charging) << false << "SKYLARK\nCharging";
}

// The footer's connection area after a run of battery reports through the receiver.
void TestWindowServices::footerFollowsBatteryReports()
{
    QFETCH(QStringList, reports);
    QFETCH(bool, cable);
    QFETCH(int, connection);
    QFETCH(bool, barShown);
    QFETCH(QString, toolTip);
    BatteryDisplayState state;
    for (const QString &report : reports) {
        const int charge = report.section(':', 0, 0).toInt();
        const int reading = report.section(':', 1).toInt();
        state.takeReport(
            BatteryReport::fromBytes(quint8(charge), quint8(reading & 0xFF), quint8(reading >> 8), 4200),
            cable);
        state.updateConnection(cable, true);
    }
    QCOMPARE(int(state.connectionState()), connection);
    QCOMPARE(state.batteryBarShown(), barShown);
    QCOMPARE(BatteryAlerts::toolTip(state, QStringLiteral("SKYLARK")), toolTip);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(FirmwareChildVariable))
        return runFirmwareChild(argc, argv);
    QApplication app(argc, argv);
    TestWindowServices test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_windowservices.moc"
