#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "storage/ConfigStore.h"
#include "storage/ProductDefinition.h"
#include "ui/main/MousecfgWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The window as a screen reader meets it: tests/atspi/drive_window.py reads the tree over AT-SPI and
// works the window through actions only, while this test hosts it on the virtual mouse. Runs inside
// tests/atspi/session.sh, which provides the accessibility bus.
class TestAtspiX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void screenReaderWorksTheWindow();

private:
    QString m_python;
};

void TestAtspiX11::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("MOUSECFG_ATSPI_SESSION"))
        QSKIP("needs the accessibility session of tests/atspi/session.sh");
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    // The system's interpreter, which has the distribution's pyatspi.
    for (const QString &candidate : { QStringLiteral("/usr/bin/python3"), QStringLiteral("python3") }) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty()
            && QProcess::execute(path, { QStringLiteral("-c"), QStringLiteral("import pyatspi") }) == 0) {
            m_python = path;
            break;
        }
    }
    if (m_python.isEmpty())
        QSKIP("needs python3 with pyatspi");
    QVERIFY(QAccessible::isActive() || qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
}

void TestAtspiX11::screenReaderWorksTheWindow()
{
    TestAppDir dir(TestAppDir::Installed);
    ScriptedPrompts prompts;
    ConfigData initial;
    LoadConfig(initial);
    QVERIFY(SaveConfig(initial));
    const QString trace = dir.path() + QStringLiteral("/trace.txt");
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    qputenv("MOUSECFG_VIRTUAL_MOUSE",
            dir.writeFile(QStringLiteral("scenario.ini"), "[Mouse]\nConnection=receiver\n").toLocal8Bit());
    {
        ProgramSession program;
        MousecfgWidget window(program.session, program.takeNotices());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), 10000);

        QProcess driver;
        driver.setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments { QStringLiteral(MOUSECFG_SOURCE_DIR "/tests/atspi/drive_window.py"),
                                QStringLiteral("--pid"), QString::number(QCoreApplication::applicationPid()),
                                QStringLiteral("--product"), ProductName(), QStringLiteral("--trace"), trace };
        if (qEnvironmentVariableIsSet("MOUSECFG_ATSPI_DUMP"))
            arguments << QStringLiteral("--dump");
        QString output;
        connect(&driver, &QProcess::readyRead, this, [&] {
            const QString text = QString::fromUtf8(driver.readAll());
            output += text;
            qInfo().noquote() << text.trimmed();
        });
        driver.start(m_python, arguments);
        QVERIFY(driver.waitForStarted(10000));
        // The event loop keeps running (the driver's requests are answered here) until it is done.
        QTRY_VERIFY_WITH_TIMEOUT(driver.state() == QProcess::NotRunning, 800000);
        output += QString::fromUtf8(driver.readAll());
        QVERIFY2(driver.exitStatus() == QProcess::NormalExit && driver.exitCode() == 0, qPrintable(output));
    }
    qunsetenv("MOUSECFG_TRACE");
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

QTEST_MAIN(TestAtspiX11)
#include "test_atspi_x11.moc"
