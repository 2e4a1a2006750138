#include "platform/Autostart.h"

#include <QtTest>

#include <unistd.h>

class TestAutostart : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void entryIsWrittenAndRemoved();
    void execLineQuotesThePath();
    void switchedOffEntriesAndFailures();
    void hiddenStartVariable();

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
    // Switching off what is not there is no failure.
    QVERIFY(autostart.setEnabled(false));

    // The autostart folder does not exist yet.
    QVERIFY(autostart.setEnabled(true));
    QVERIFY(autostart.isEnabled());
    const QString text = readEntry();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nExec=env MOUSECFG_START_HIDDEN=1 /usr/lib/mousecfg/mousecfg\n"));
    QVERIFY(text.contains("\nIcon=mousecfg\n"));

    // Written again over itself, then removed.
    QVERIFY(autostart.setEnabled(true));
    QVERIFY(autostart.setEnabled(false));
    QVERIFY(!QFileInfo::exists(Autostart::filePath()));
    QVERIFY(!autostart.isEnabled());

    // Unset or relative XDG_CONFIG_HOME: below the home folder.
    qputenv("XDG_CONFIG_HOME", "relative");
    QCOMPARE(Autostart::filePath(), QDir::homePath() + "/.config/autostart/mousecfg.desktop");
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
    QVERIFY(!readEntry().contains("Hidden=true"));

    if (geteuid() != 0) {
        QFile::setPermissions(m_config->path() + "/autostart", QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!autostart.setEnabled(false));
        QVERIFY(autostart.isEnabled());
        QFile::setPermissions(m_config->path() + "/autostart",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // A file where the autostart folder should be: nothing can be written.
    QVERIFY(autostart.setEnabled(false));
    QDir(m_config->path() + "/autostart").removeRecursively();
    QFile blocker(m_config->path() + "/autostart");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!autostart.setEnabled(true));
    QVERIFY(!autostart.isEnabled());
}

void TestAutostart::hiddenStartVariable()
{
    QCOMPARE(QByteArray(Autostart::HiddenVariable), QByteArray("MOUSECFG_START_HIDDEN"));
    qunsetenv(Autostart::HiddenVariable);
    QVERIFY(!Autostart::startHidden());
    qputenv(Autostart::HiddenVariable, "0");
    QVERIFY(!Autostart::startHidden());
    qputenv(Autostart::HiddenVariable, "1");
    QVERIFY(Autostart::startHidden());
    qunsetenv(Autostart::HiddenVariable);
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
