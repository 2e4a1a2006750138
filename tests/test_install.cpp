#include "mousecfg_version.h"

#include <QtTest>

#include <QMap>

#include <pwd.h>
#include <unistd.h>

// The program installed into a prefix of its own and used by a user who cannot write there.
class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void desktopIntegration();
    void cliKeepsTheUsersFilesAtHome();
    void firstStartAndUpgrade();
    void cleanupTestCase();

private:
    // Runs `program` as the test's user; stdout and stderr together in `output`.
    int run(const QString &program, const QStringList &args, QString *output = nullptr,
            const QProcessEnvironment &extra = QProcessEnvironment());
    // Path, size and modification time of every file below `dir`.
    static QStringList listing(const QString &dir);
    static QByteArray readFile(const QString &path);

    QTemporaryDir m_root;
    QString m_prefix;
    QString m_home;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    bool m_switchUser = false;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_root.isValid());
    // Whoever runs the programs must reach the prefix and own a home.
    QFile::setPermissions(m_root.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                              | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    m_prefix = m_root.path() + "/prefix";
    m_home = m_root.path() + "/home";
    QVERIFY(QDir().mkpath(m_home));

    QProcess install;
    install.start(QStringLiteral(MOUSECFG_CMAKE_COMMAND),
                  { "--install", QStringLiteral(MOUSECFG_BINARY_DIR), "--prefix", m_prefix });
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

    m_uid = geteuid();
    m_gid = getegid();
    if (m_uid == 0) {
        const passwd *nobody = getpwnam("nobody");
        QVERIFY(nobody);
        m_uid = nobody->pw_uid;
        m_gid = nobody->pw_gid;
        m_switchUser = true;
        QVERIFY(QStandardPaths::findExecutable("setpriv") != QString());
        QCOMPARE(chown(QFile::encodeName(m_home).constData(), m_uid, m_gid), 0);
    } else {
        // The installing user could still write the prefix; make it as read-only as a system one.
        QProcess::execute("chmod", { "-R", "a-w", m_prefix });
    }
}

int TestInstall::run(const QString &program, const QStringList &args, QString *output,
                     const QProcessEnvironment &extra)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "MOUSECFG_VIRTUAL_MOUSE", "MOUSECFG_TRACE", "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                              "XDG_RUNTIME_DIR" })
        env.remove(name);
    env.insert("HOME", m_home);
    env.insert("QT_LOGGING_RULES", "default.debug=false");
    env.insert(extra);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_home);
    if (m_switchUser) {
        process.start("setpriv",
                      QStringList { QString("--reuid=%1").arg(m_uid), QString("--regid=%1").arg(m_gid),
                                    "--clear-groups", "--", program }
                          + args);
    } else {
        process.start(program, args);
    }
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode();
}

QStringList TestInstall::listing(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << QString("%1 %2 %3")
                       .arg(it.filePath())
                       .arg(it.fileInfo().size())
                       .arg(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

QByteArray TestInstall::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestInstall::desktopIntegration()
{
    // The entry names the prefix it was installed into, and the icon by name.
    const QString entry = m_prefix + "/share/applications/org.mousecfg.mousecfg.desktop";
    const QByteArray text = readFile(entry);
    QVERIFY(text.contains("\nExec=" + QFile::encodeName(m_prefix) + "/bin/mousecfg\n"));
    QVERIFY(text.contains("\nIcon=mousecfg\n"));
    for (const int size : { 16, 32, 48, 256 })
        QVERIFY(
            QFileInfo::exists(m_prefix + QString("/share/icons/hicolor/%1x%1/apps/mousecfg.png").arg(size)));
    const QString metainfo = m_prefix + "/share/metainfo/org.mousecfg.mousecfg.metainfo.xml";
    QVERIFY(readFile(metainfo).contains("<release version=\"" MOUSECFG_VERSION "\""));
    // Each screenshot the metadata names is installed, for a distribution to publish.
    const QRegularExpression image("<image[^>]*>[^<]*/([^/<]+\\.png)</image>");
    int screenshots = 0;
    for (auto it = image.globalMatch(QString::fromUtf8(readFile(metainfo))); it.hasNext(); ++screenshots) {
        const QString name = it.next().captured(1);
        QVERIFY2(QFileInfo::exists(m_prefix + "/share/mousecfg/screenshots/" + name), qPrintable(name));
    }
    QCOMPARE(screenshots, 3);
    QVERIFY(QFileInfo::exists(m_prefix + "/share/man/man1/mousecfg-cli.1.gz"));
    QVERIFY(QFileInfo::exists(m_prefix + "/share/bash-completion/completions/mousecfg-cli"));
    QVERIFY(QFileInfo::exists(m_prefix + "/share/zsh/vendor-completions/_mousecfg-cli"));
    QVERIFY(QFileInfo::exists(m_prefix + "/share/fish/vendor_completions.d/mousecfg-cli.fish"));

    // The seated user gets the mouse's nodes; nobody else does.
    const QByteArray rule = readFile(m_prefix + "/lib/udev/rules.d/70-mousecfg.rules");
    QVERIFY(rule.contains("TAG+=\"uaccess\""));
    QVERIFY(!rule.contains("MODE"));

    for (const auto &check : { QStringList { "desktop-file-validate", entry },
                               QStringList { "appstreamcli", "validate", "--no-net", metainfo } }) {
        if (QStandardPaths::findExecutable(check.first()).isEmpty()) {
            qWarning("%s is missing (scripts/install-deps.sh installs it)", qPrintable(check.first()));
            continue;
        }
        QProcess validator;
        validator.start(check.first(), check.mid(1));
        QVERIFY(validator.waitForFinished(30000));
        QVERIFY2(validator.exitCode() == 0, validator.readAll().constData());
    }
}

void TestInstall::cliKeepsTheUsersFilesAtHome()
{
    const QString cli = m_prefix + "/bin/mousecfg-cli";
    const QString programDir = m_prefix + "/lib/mousecfg";
    const QStringList installed = listing(programDir);
    QVERIFY(installed.size() > 10);
    QVERIFY(QFileInfo::exists(programDir + "/Configs/Config.ini"));
    // The display companion sits beside the program, where the window starts it.
    QVERIFY(QFileInfo(programDir + "/OSD").isExecutable());

    QString output;
    QCOMPARE(run(cli, { "--version" }, &output), 0);
    QCOMPARE(output.trimmed(), QString("mousecfg-cli " MOUSECFG_VERSION));

    QProcessEnvironment mouse;
    mouse.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    const QString exported = m_home + "/saved.conf";
    QVERIFY2(run(cli, { "select-profile", "2" }, &output, mouse) == 0, qPrintable(output));
    QVERIFY2(run(cli, { "export-config", exported }, &output) == 0, qPrintable(output));
    QVERIFY(readFile(exported).contains("ProfileID=1"));
    QVERIFY2(run(cli, { "import-config", exported }, &output) == 0, qPrintable(output));
    QVERIFY2(run(cli, { "apply", "--all" }, &output, mouse) == 0, qPrintable(output));
    QVERIFY2(run(cli, { "status" }, &output, mouse) == 0, qPrintable(output));

    // Everything went to the user's folder, made from the template; the program folder is as installed.
    const QString user = m_home + "/.local/share/mousecfg/Configs";
    QVERIFY(readFile(user + "/Config.ini").contains("ProfileID=1"));
    QVERIFY(!readFile(programDir + "/Configs/Config.ini").contains("ProfileID=1"));
    for (const QString &relative :
         QStringList { "Profile/Profile 2.prof", "SKYLARK/Config.ini", "SKYLARK/Profile" })
        QVERIFY2(QFileInfo::exists(user + "/" + relative), qPrintable(relative));
    QCOMPARE(QFileInfo(user + "/Config.ini").ownerId(), uint(m_uid));
    QCOMPARE(listing(programDir), installed);

    // XDG_DATA_HOME moves it.
    QProcessEnvironment data;
    data.insert("XDG_DATA_HOME", m_home + "/data");
    QVERIFY2(run(cli, { "export-config", m_home + "/second.conf" }, &output, data) == 0, qPrintable(output));
    QVERIFY(QFileInfo::exists(m_home + "/data/mousecfg/Configs/Config.ini"));
}

void TestInstall::firstStartAndUpgrade()
{
    // A user who has never started the program, on the virtual mouse.
    const QString cli = m_prefix + "/bin/mousecfg-cli";
    const QString trace = m_home + "/first-start-trace.txt";
    QProcessEnvironment env;
    env.insert("XDG_DATA_HOME", m_home + "/first-start");
    env.insert("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    env.insert("MOUSECFG_TRACE", trace);
    const QString user = m_home + "/first-start/mousecfg/Configs";

    QString output;
    QVERIFY2(run(cli, { "get" }, &output, env) == 0, qPrintable(output));
    QMap<QString, QString> shown;
    for (const QString &line : output.split('\n')) {
        const int at = line.indexOf(" = ");
        if (at > 0)
            shown.insert(line.left(at), line.mid(at + 3));
    }
    QVERIFY2(run(cli, { "apply", "--all" }, &output, env) == 0, qPrintable(output));
    // The general block's first frame: report 5, command 1, first chunk; its bytes from the ninth on.
    QByteArray general;
    for (const QString &line : QString::fromLatin1(readFile(trace)).split('\n')) {
        const QByteArray frame = QByteArray::fromHex(line.mid(2).toLatin1());
        if (line.startsWith("W ") && frame.size() > 8 && frame.at(2) == char(0xFA) && frame.at(3) == 1
            && frame.at(7) == char(0xD1))
            general = frame.mid(8);
    }
    QVERIFY(general.size() > 10);

    // The shipped product's factory values: shown by "get" and sent in the general block alike
    // (byte 5 holds the lift with the sync, angle and jitter bits; 9 the key response; 10 the mode
    // with motion wake's bit, set when it is off).
    struct Row
    {
        const char *key;
        const char *shown;
        int byte;
        quint8 mask;
        quint8 sent;
    };
    const Row rows[] = {
        { "lift", "1", 5, 0x1F, 0x01 },
        { "sensor.sync", "off", 5, 0x80, 0x00 },
        { "sensor.angle-snapping", "on", 5, 0x40, 0x40 },
        { "sensor.jitter", "on", 5, 0x20, 0x20 },
        { "sensor.key-response", "8", 9, 0xFF, 0x08 },
        { "sensor.mode", "standard", 10, 0x7F, 0x01 },
        { "sensor.motion-wake", "off", 10, 0x80, 0x80 },
    };
    for (const Row &row : rows) {
        QCOMPARE(shown.value(row.key), QString(row.shown));
        QCOMPARE(quint8(general.at(row.byte)) & row.mask, int(row.sent));
    }
    // The values are in the user's copy from the start, so that other tools read them too.
    const QByteArray userConfig = readFile(user + "/Config.ini");
    for (const char *key : { "LiftHigh=1", "Debounce=8", "SensorMode=1", "Wake=1" })
        QVERIFY2(userConfig.contains(QByteArray("\n") + key + "\n"), key);

    // The user's own slot, then a package upgrade that changes the sensor code.
    QVERIFY2(run(cli, { "set", "3", "dpi.2", "1600", "--no-apply" }, &output, env) == 0, qPrintable(output));
    const QByteArray slot = readFile(user + "/Profile/Profile 3.prof");
    QVERIFY(slot.contains("DPI_INFO_1_xy="));
    const QByteArray before = readFile(user + "/Config.ini");
    const QString installed = m_prefix + "/lib/mousecfg/Configs/Config.ini";
    const QByteArray shipped = readFile(installed);
    const auto replaceInstalled = [&](const QByteArray &text) {
        const QFile::Permissions permissions = QFileInfo(installed).permissions();
        QFile::setPermissions(installed, permissions | QFile::WriteOwner);
        QFile file(installed);
        const bool written
            = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
        file.close();
        QFile::setPermissions(installed, permissions);
        return written;
    };
    QByteArray upgraded = shipped;
    upgraded.replace("[MouseSenSor]\n1=3389\n", "[MouseSenSor]\n1=9999\n");
    QVERIFY(upgraded != shipped);
    QVERIFY(replaceInstalled(upgraded));

    // The new code is taken (a sensor the DPI tables do not know), the user's slot and files are kept.
    const int refused = run(cli, { "set", "3", "dpi.2", "800", "--no-apply" }, &output, env);
    QVERIFY(replaceInstalled(shipped));
    QVERIFY2(refused != 0 && output.contains("(9999)"), qPrintable(output));
    QCOMPARE(readFile(user + "/Profile/Profile 3.prof"), slot);
    QCOMPARE(readFile(user + "/Config.ini"), before);
    QVERIFY(before.contains("[MouseSenSor]\n1=3389\n"));
    QVERIFY2(run(cli, { "get", "3" }, &output, env) == 0, qPrintable(output));
    QVERIFY2(output.contains("\ndpi.2 = 1600\n"), qPrintable(output));
}

void TestInstall::cleanupTestCase()
{
    // Writable again, so that the temporary folder can go.
    if (!m_switchUser)
        QProcess::execute("chmod", { "-R", "u+w", m_prefix });
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
