#include "CliRun.h"
#include "PrivateBus.h"
#include "TestAppDir.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>

#include <algorithm>
#include <memory>

// The running window's D-Bus interface, and mousecfg-cli handing its commands to it: a real window on
// a virtual mouse with its own report trace, on a private session bus.
class TestMouseBus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void commandsRunInTheWindow_data();
    void commandsRunInTheWindow();
    void propertiesFollowTheWindow();
    void settingsChangeInTheWindow();
    void introspectionMatchesTheInterfaceFile();
    void windowOfAnotherFolderIsLeftAlone();
    void failuresCarryTheToolsMessages_data();
    void failuresCarryTheToolsMessages();

public slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated);

private:
    QDBusMessage callWindow(const QString &method, const QVariantList &args);
    QVariantMap properties();

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestAppDir> m_dir;
    QTemporaryDir m_runtime;
    QProcess m_window;
    QString m_windowTrace;
    QList<QVariantMap> m_changes;
};

namespace {
const char *const Service = "org.mousecfg.mousecfg";
const char *const Path = "/org/mousecfg/Mouse";
const char *const Interface = "org.mousecfg.Mouse1";
const char *const BusName = "mousebus-test";

// The members of interface org.mousecfg.Mouse1 in introspection XML: "method Name(in u, in s)",
// "property Name s read", sorted.
QStringList interfaceMembers(const QString &xml)
{
    QStringList members;
    QXmlStreamReader reader(xml);
    bool inside = false;
    QString current;
    QStringList arguments;
    while (!reader.atEnd()) {
        reader.readNext();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.isStartElement() && reader.name() == QLatin1String("interface"))
            inside = attributes.value("name") == QLatin1String(Interface);
        else if (reader.isEndElement() && reader.name() == QLatin1String("interface"))
            inside = false;
        if (!inside)
            continue;
        if (reader.isStartElement() && reader.name() == QLatin1String("property")) {
            members << QString("property %1 %2 %3")
                           .arg(attributes.value("name"), attributes.value("type"),
                                attributes.value("access"));
        } else if (reader.isStartElement() && reader.name() == QLatin1String("method")) {
            current = attributes.value("name").toString();
            arguments.clear();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("arg")) {
            const QStringRef direction = attributes.value("direction");
            arguments << (direction.isEmpty() ? QStringLiteral("in") : direction.toString()) + ' '
                    + attributes.value("type");
        } else if (reader.isEndElement() && reader.name() == QLatin1String("method")) {
            members << QString("method %1(%2)").arg(current, arguments.join(", "));
        }
    }
    members.sort();
    return members;
}
} // namespace

void TestMouseBus::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X server (run under xvfb-run)");
    m_bus = std::make_unique<PrivateBus>();
    if (m_bus->address().isEmpty())
        QSKIP("dbus-daemon did not start");
    // The tool finds the window through the lock in the runtime folder and the bus: both the test's own.
    QVERIFY(::chmod(QFile::encodeName(m_runtime.path()).constData(), 0700) == 0);
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_runtime.path() + "/config"));

    m_dir = std::make_unique<TestAppDir>(TestAppDir::Installed);
    const QString program = m_dir->path() + "/mousecfg";
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/mousecfg"), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The slot files, as a first upload writes them.
    QCOMPARE(runCli(*m_dir, { "apply", "--all" }, "receiver").exitCode, 0);
    m_windowTrace = m_dir->path() + "/window.trace";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.insert("MOUSECFG_TRACE", m_windowTrace);
    env.insert("MOUSECFG_START_HIDDEN", "1");
    m_window.setProcessEnvironment(env);
    m_window.setWorkingDirectory(m_dir->path());
    m_window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_window.start(program, QStringList());
    QVERIFY(m_window.waitForStarted());

    QDBusConnection bus = QDBusConnection::connectToBus(m_bus->address(), BusName);
    QVERIFY(bus.isConnected());
    QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered(Service), 30000);
    // Ready once the window has opened its mouse.
    QTRY_COMPARE_WITH_TIMEOUT(properties().value("Connection").toString(), QString("receiver"), 30000);
    QVERIFY(bus.connect(Service, Path, "org.freedesktop.DBus.Properties", "PropertiesChanged", this,
                        SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
}

void TestMouseBus::cleanupTestCase()
{
    if (m_window.state() != QProcess::NotRunning) {
        m_window.terminate();
        QVERIFY(m_window.waitForFinished(20000));
    }
    QDBusConnection::disconnectFromBus(BusName);
}

void TestMouseBus::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                     const QStringList &)
{
    if (interface == QLatin1String(Interface))
        m_changes << changed;
}

QDBusMessage TestMouseBus::callWindow(const QString &method, const QVariantList &args)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call.setArguments(args);
    return QDBusConnection(BusName).call(call, QDBus::Block, 60000);
}

QVariantMap TestMouseBus::properties()
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(Service, Path, "org.freedesktop.DBus.Properties", "GetAll");
    call << QString(Interface);
    const QDBusMessage reply = QDBusConnection(BusName).call(call, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qdbus_cast<QVariantMap>(reply.arguments().first());
}

void TestMouseBus::commandsRunInTheWindow_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("sameAsOwn"); // a run of the tool on its own gives the same reports and output
    QTest::addColumn<QString>("output");
    QTest::addColumn<uint>("slot"); // the window's slot afterwards; 0: unchanged
    QTest::newRow("select-profile") << QStringList { "select-profile", "3" } << true << "Done.\n" << 3u;
    QTest::newRow("apply --all") << QStringList { "apply", "--all" } << true << "Done.\n" << 0u;
    QTest::newRow("import-profile") << QStringList { "import-profile", "FRESH" } << false
                                    << "Profile Fresh imported into profile 3\n"
                                    << 3u;
    QTest::newRow("import-config") << QStringList { "import-config", "CONFIG" } << false
                                   << "Configuration imported from CONFIG\n"
                                   << 0u;
}

void TestMouseBus::commandsRunInTheWindow()
{
    QFETCH(QStringList, args);
    QFETCH(bool, sameAsOwn);
    QFETCH(QString, output);
    QFETCH(uint, slot);
    const QString config = m_dir->path() + "/Window.conf";
    const QString fresh = m_dir->path() + "/Fresh.prof";
    if (args.last() == "FRESH") {
        QCOMPARE(runCli(*m_dir, { "export-profile", "1", fresh }).exitCode, 0);
        args.last() = fresh;
    } else if (args.last() == "CONFIG") {
        QCOMPARE(runCli(*m_dir, { "export-config", config }).exitCode, 0);
        args.last() = config;
        output.replace("CONFIG", config);
    }

    const int before = writtenReports(m_windowTrace).size();
    const QString cliTrace = m_dir->path() + "/cli.trace";
    QFile::remove(cliTrace);
    const CliResult forwarded = runCli(*m_dir, args, "receiver", cliTrace);
    QCOMPARE(forwarded.output, output);
    QCOMPARE(forwarded.exitCode, 0);
    // The tool opened no mouse of its own: the window sent the reports.
    QVERIFY(writtenReports(cliTrace).isEmpty());
    const QStringList sent = writtenReports(m_windowTrace).mid(before);
    // (An import of what the slots already hold sends nothing.)
    if (sameAsOwn) {
        QVERIFY(!sent.isEmpty());
        // What the tool writes when it opens the mouse itself (after its battery question).
        const QString ownTrace = m_dir->path() + "/own.trace";
        QFile::remove(ownTrace);
        const CliResult own = runCli(*m_dir, QStringList { "--no-forward" } + args, "receiver", ownTrace);
        QCOMPARE(forwarded.exitCode, own.exitCode);
        QCOMPARE(forwarded.output, own.output);
        QStringList reports = writtenReports(ownTrace);
        if (args.first() == "apply")
            reports.removeFirst();
        QVERIFY(!reports.isEmpty());
        QVERIFY2(sent.join('\n').contains(reports.join('\n')), qPrintable(sent.join('\n')));
    }
    // The window's profile bar holds the slot, and the tool's status tells it.
    if (slot != 0) {
        QTRY_COMPARE_WITH_TIMEOUT(properties().value("Slot").toUInt(), slot, 10000);
        const CliResult status = runCli(*m_dir, { "status" }, "receiver", cliTrace);
        QCOMPARE(status.exitCode, 0);
        QVERIFY2(status.output.contains("Connection: receiver\n")
                     && status.output.contains(QString("Slot: %1\n").arg(slot)),
                 qPrintable(status.output));
        QVERIFY(writtenReports(cliTrace).isEmpty());
    }
}

void TestMouseBus::settingsChangeInTheWindow()
{
    const uint current = properties().value("Slot").toUInt();
    const auto windowSettings = [this](uint slot) {
        const QDBusMessage reply = callWindow("Get", { slot });
        return QJsonDocument::fromJson(reply.arguments().value(0).toString().toUtf8()).object();
    };
    const int dpi = windowSettings(current).value("dpi.1").toInt() == 800 ? 1600 : 800;
    int before = writtenReports(m_windowTrace).size();
    const QString cliTrace = m_dir->path() + "/cli.trace";
    QFile::remove(cliTrace);
    const QString slotText = QString::number(current);
    const CliResult set = runCli(*m_dir, { "set", slotText, "dpi.1", QString::number(dpi) }, "receiver", cliTrace);
    QCOMPARE(set.output, QString("Done.\n"));
    QCOMPARE(set.exitCode, 0);
    // The window sent it; the tool opened no mouse.
    QVERIFY(writtenReports(cliTrace).isEmpty());
    QVERIFY(writtenReports(m_windowTrace).size() > before);
    // The window holds it, the tool reads it through the window, and the slot file has it.
    QCOMPARE(windowSettings(current).value("dpi.1").toInt(), dpi);
    const QString line = QString("dpi.1 = %1\n").arg(dpi);
    QVERIFY(runCli(*m_dir, { "get", slotText }).output.contains(line));
    QVERIFY(runCli(*m_dir, { "--no-forward", "get", slotText }).output.contains(line));

    // Another slot: saved and shown, not sent (the mouse takes a slot's stages only while it is
    // current), and sent in full when that slot is selected.
    const uint other = current == 3 ? 2 : 3;
    before = writtenReports(m_windowTrace).size();
    const CliResult saved
        = runCli(*m_dir, { "set", QString::number(other), "dpi.1", QString::number(dpi) }, "receiver", cliTrace);
    QCOMPARE(saved.exitCode, 0);
    QCOMPARE(saved.output, QString("Saved in slot %1; the mouse receives it when slot %1 is selected "
                                   "(mousecfg-cli select-profile %1).\n")
                               .arg(other));
    QCOMPARE(writtenReports(m_windowTrace).size(), before);
    QCOMPARE(windowSettings(other).value("dpi.1").toInt(), dpi);
    QCOMPARE(callWindow("SelectSlot", { other }).type(), QDBusMessage::ReplyMessage);
    const QStringList sent = writtenReports(m_windowTrace).mid(before);
    // A DPI block frame (command 0x02) follows the switch.
    QVERIFY2(std::any_of(sent.begin(), sent.end(), [](const QString &frame) { return frame.mid(6, 2) == "02"; }),
             qPrintable(sent.join('\n')));
    QCOMPARE(callWindow("SelectSlot", { current }).type(), QDBusMessage::ReplyMessage);

    // A value the mouse does not offer: the window's answer is the tool's own.
    const QStringList refusedArgs { "set", "1", "rate", "333" };
    const CliResult refused = runCli(*m_dir, refusedArgs, "receiver", cliTrace);
    const CliResult own = runCli(*m_dir, QStringList { "--no-forward" } + refusedArgs, "receiver", cliTrace);
    QCOMPARE(refused.exitCode, 65);
    QCOMPARE(refused.exitCode, own.exitCode);
    QCOMPARE(refused.output, own.output);
    QVERIFY(writtenReports(cliTrace).isEmpty());
}

void TestMouseBus::propertiesFollowTheWindow()
{
    const QVariantMap state = properties();
    QCOMPARE(
        QStringList(state.keys()),
        QStringList({ "Asleep", "Battery", "Charging", "Connection", "DpiStage", "ReportRate", "Slot" }));
    // 0: a slot file that names no rate.
    QVERIFY2(QList<uint>({ 0, 125, 250, 500, 1000 }).contains(state.value("ReportRate").toUInt()),
             qPrintable(state.value("ReportRate").toString()));
    QVERIFY(state.value("DpiStage").toUInt() >= 1 && state.value("DpiStage").toUInt() <= 8);

    m_changes.clear();
    const uint other = state.value("Slot").toUInt() == 2 ? 4 : 2;
    QCOMPARE(callWindow("SelectSlot", { other }).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY_WITH_TIMEOUT(!m_changes.isEmpty() && m_changes.last().value("Slot").toUInt() == other, 10000);
    // Only what changed is announced.
    QVERIFY(!m_changes.last().contains("Connection"));

    // Calls the tool would never make are refused with the interface's own errors.
    QDBusMessage reply = callWindow("SelectSlot", { 9u });
    QCOMPARE(reply.errorName(), QString("org.mousecfg.Mouse1.Error.InvalidArgs"));
    reply = callWindow("ImportConfig", { QString("relative.conf") });
    QCOMPARE(reply.errorName(), QString("org.mousecfg.Mouse1.Error.InvalidArgs"));
    QCOMPARE(properties().value("Slot").toUInt(), other);
}

void TestMouseBus::introspectionMatchesTheInterfaceFile()
{
    QFile file(QStringLiteral(MOUSECFG_SOURCE_DIR "/data/org.mousecfg.Mouse1.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList described = interfaceMembers(QString::fromUtf8(file.readAll()));
    QCOMPARE(described.size(), 15);
    const QDBusMessage reply = QDBusConnection(BusName).call(
        QDBusMessage::createMethodCall(Service, Path, "org.freedesktop.DBus.Introspectable", "Introspect"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(interfaceMembers(reply.arguments().value(0).toString()), described);
}

void TestMouseBus::windowOfAnotherFolderIsLeftAlone()
{
    // Another program folder has settings of its own: the tool opens the mouse itself for it.
    const uint slot = properties().value("Slot").toUInt();
    const TestAppDir other(TestAppDir::Installed);
    const QString trace = other.path() + "/own.trace";
    const uint next = slot % 5 + 1;
    const CliResult result = runCli(other, { "select-profile", QString::number(next) }, "receiver", trace);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!writtenReports(trace).isEmpty());
    QTest::qWait(500);
    QCOMPARE(properties().value("Slot").toUInt(), slot);
}

void TestMouseBus::failuresCarryTheToolsMessages_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("errorName");
    // PROFILE, CONFIG, FOREIGN, CUT: such a file; MISSING: a folder that does not exist; NOTFOLDER: a file.
    QTest::newRow("import-config, no such file")
        << QStringList { "import-config", "MISSING/x.conf" } << 66 << "org.mousecfg.Mouse1.Error.NoInput";
    QTest::newRow("import-config, a profile file")
        << QStringList { "import-config", "PROFILE" } << 65 << "org.mousecfg.Mouse1.Error.Refused";
    QTest::newRow("import-profile, a configuration")
        << QStringList { "import-profile", "CONFIG" } << 65 << "org.mousecfg.Mouse1.Error.Refused";
    QTest::newRow("import-profile, another mouse's")
        << QStringList { "import-profile", "FOREIGN" } << 65 << "org.mousecfg.Mouse1.Error.Refused";
    QTest::newRow("import-profile, cut off")
        << QStringList { "import-profile", "CUT" } << 65 << "org.mousecfg.Mouse1.Error.Refused";
    QTest::newRow("export-config, below a file") << QStringList { "export-config", "NOTFOLDER/x.conf" } << 73
                                                 << "org.mousecfg.Mouse1.Error.CannotWrite";
    QTest::newRow("export-profile, below a file") << QStringList { "export-profile", "2", "NOTFOLDER/x.prof" }
                                                  << 73 << "org.mousecfg.Mouse1.Error.CannotWrite";
}

void TestMouseBus::failuresCarryTheToolsMessages()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, errorName);
    // Files made by the window itself.
    const QString profile = m_dir->path() + "/Exported.prof";
    const QString config = m_dir->path() + "/Exported.conf";
    if (!QFileInfo::exists(profile)) {
        const CliResult exported = runCli(*m_dir, { "export-profile", "1", profile });
        QVERIFY2(exported.exitCode == 0 && QFileInfo::exists(profile), qPrintable(exported.output));
        QCOMPARE(runCli(*m_dir, { "export-config", config }).exitCode, 0);
    }
    const QString foreign = m_dir->path() + "/Foreign.prof";
    QFile::remove(foreign);
    QVERIFY(QFile::copy(profile, foreign));
    QSettings(foreign, QSettings::IniFormat).setValue("MouseName/Name", "Another Mouse");
    QFile source(profile);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString cut = m_dir->writeFile("Cut.prof", source.read(source.size() / 2));
    for (QString &arg : args) {
        arg.replace("MISSING", m_dir->path() + "/no/such/folder");
        arg.replace("NOTFOLDER", m_dir->path() + "/DefaultProfile.bin");
        if (arg == "PROFILE")
            arg = profile;
        else if (arg == "CONFIG")
            arg = config;
        else if (arg == "FOREIGN")
            arg = foreign;
        else if (arg == "CUT")
            arg = cut;
    }

    const CliResult own = runCli(*m_dir, QStringList { "--no-forward" } + args);
    const CliResult forwarded = runCli(*m_dir, args);
    QCOMPARE(own.exitCode, exitCode);
    QCOMPARE(forwarded.exitCode, own.exitCode);
    QCOMPARE(forwarded.output, own.output);
    QVERIFY(own.output.startsWith("mousecfg-cli: "));

    // The same call straight on the bus: the error's name and the tool's words.
    const QStringList methods { "import-config", "ImportConfig", "import-profile", "ImportProfile",
                                "export-config", "ExportConfig", "export-profile", "ExportProfile" };
    QVariantList callArgs;
    if (args.first() == "export-profile")
        callArgs << args.at(1).toUInt();
    callArgs << args.last();
    const QDBusMessage reply = callWindow(methods.at(methods.indexOf(args.first()) + 1), callArgs);
    QCOMPARE(reply.errorName(), errorName);
    QCOMPARE("mousecfg-cli: " + reply.errorMessage() + "\n", own.output);
}

QTEST_MAIN(TestMouseBus)
#include "test_mousebus.moc"
