#include "platform/Autostart.h"

#include <QtTest>

class TestAutostart : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void entryIsWrittenAndRemoved();
    void execLineQuotesThePath();
    void switchedOffEntriesAndFailures();

private:
    static QString readEntry();
    QTemporaryDir *m_config = nullptr;
};

void TestAutostart::init()
{
    m_config = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
}

void TestAutostart::cleanup()
{
    delete m_config;
    qunsetenv("XDG_CONFIG_HOME");
}

QString TestAutostart::readEntry()
{
    QFile file(Autostart::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestAutostart::entryIsWrittenAndRemoved()
{
    QCOMPARE(Autostart::filePath(), m_config->path() + "/autostart/mousecfg.desktop");
    Autostart autostart("/usr/lib/mousecfg/mousecfg");
    QVERIFY(!autostart.isEnabled());
    QVERIFY(autostart.setEnabled(false)); // nothing to remove is no failure

    // The autostart folder does not exist yet.
    QVERIFY(autostart.setEnabled(true));
    QVERIFY(autostart.isEnabled());
    const QString text = readEntry();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nExec=env MOUSECFG_START_HIDDEN=1 /usr/lib/mousecfg/mousecfg\n"));
    QVERIFY(text.contains("\nIcon=mousecfg\n"));

    QVERIFY(autostart.setEnabled(false));
    QVERIFY(!QFileInfo::exists(Autostart::filePath()));
    QVERIFY(!autostart.isEnabled());

    // Unset or relative XDG_CONFIG_HOME: below the home folder.
    qputenv("XDG_CONFIG_HOME", "relative");
    QCOMPARE(Autostart::filePath(), QDir::homePath() + "/.config/autostart/mousecfg.desktop");

    // What the entry sets is what the program reads.
    QCOMPARE(QByteArray(Autostart::HiddenVariable), QByteArray("MOUSECFG_START_HIDDEN"));
    for (const char *value : { "", "0", "1" }) {
        qputenv(Autostart::HiddenVariable, value);
        QCOMPARE(Autostart::startHidden(), QByteArray(value) == "1");
    }
    qunsetenv(Autostart::HiddenVariable);
}

void TestAutostart::execLineQuotesThePath()
{
    QCOMPARE(Autostart("/opt/my tools/mousecfg").execLine(),
             QString("env MOUSECFG_START_HIDDEN=1 \"/opt/my tools/mousecfg\""));
    QCOMPARE(Autostart("/home/a$b/x\"y\\z").execLine(),
             QString("env MOUSECFG_START_HIDDEN=1 \"/home/a\\$b/x\\\"y\\\\z\""));
    QCOMPARE(Autostart("/home/100%/mousecfg").execLine(),
             QString("env MOUSECFG_START_HIDDEN=1 /home/100%%/mousecfg"));
    // In the file, the string value escapes each backslash once more.
    QVERIFY(Autostart("/home/x\\y/mousecfg").setEnabled(true));
    QVERIFY(readEntry().contains("\nExec=env MOUSECFG_START_HIDDEN=1 \"/home/x\\\\\\\\y/mousecfg\"\n"));
}

void TestAutostart::switchedOffEntriesAndFailures()
{
    Autostart autostart("/usr/bin/mousecfg");
    QDir().mkpath(m_config->path() + "/autostart");
    // Desktops switch an entry off rather than delete it.
    for (const QByteArray &off :
         { QByteArray("Hidden=true"), QByteArray("X-GNOME-Autostart-enabled=false") }) {
        QFile file(Autostart::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nType=Application\nExec=mousecfg\n" + off + "\n");
        file.close();
        QVERIFY(!autostart.isEnabled());
    }
    // Switching on again replaces such an entry with a live one.
    QVERIFY(autostart.setEnabled(true));
    QVERIFY(autostart.isEnabled());

    // A file where the autostart folder should be: nothing can be written.
    QVERIFY(QDir(m_config->path() + "/autostart").removeRecursively());
    QFile blocker(m_config->path() + "/autostart");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!autostart.setEnabled(true));
    QVERIFY(!autostart.isEnabled());
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
