#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "storage/ConfigStore.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageButton.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/Theme.h"
#include "virtualmouse/VirtualMouse.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// On a real X server: a DPI stage changed on the mouse starts the display companion, whose notice
// shows in the accent colour near the bottom of the screen and goes away after its time; the shipped
// translations switch the window's language. MOUSECFG_SCREENSHOT_DIR keeps the screens looked at.
class TestWindowScreens : public QObject
{
    Q_OBJECT
private slots:
    void noticeOfAnOnMouseChange();
    void shippedLanguages();
};

namespace {
// Pixels of the lower third of the screen close to `color`.
int colorPixels(const QImage &screen, const QColor &color)
{
    int count = 0;
    for (int y = screen.height() * 2 / 3; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const QColor pixel = screen.pixelColor(x, y);
            if (qAbs(pixel.red() - color.red()) + qAbs(pixel.green() - color.green())
                    + qAbs(pixel.blue() - color.blue())
                < 40)
                ++count;
        }
    }
    return count;
}

QImage grabScreen(const QString &name)
{
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QString dir = QString::fromLocal8Bit(qgetenv("MOUSECFG_SCREENSHOT_DIR"));
    if (!dir.isEmpty())
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image;
}
} // namespace

void TestWindowScreens::noticeOfAnOnMouseChange()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("MOUSECFG_OSD_IDLE_MS", "4000");
    TestAppDir dir(TestAppDir::Installed);
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/OSD"), dir.path() + QStringLiteral("/OSD")));
    QFile(dir.path() + QStringLiteral("/OSD")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    // Only the notice may bring the accent colour to the screen.
    QTest::qWait(400);
    window.hide();
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().center());
    const QColor accent = AccentColor();
    QCOMPARE(colorPixels(grabScreen(QStringLiteral("osd-before")), accent), 0);

    auto *mouse = window.findChild<VirtualMouse *>();
    const quint8 slot = window.workingConfig().ProfileID;
    const quint8 stage = window.workingConfig().profiles[slot].dpi == 1 ? 2 : 1;
    mouse->sendStatusReport(slot, stage, window.workingConfig().profiles[slot].pollrate, 0);
    QElapsedTimer shown;
    QImage screen;
    QTRY_VERIFY_WITH_TIMEOUT(
        (screen = grabScreen(QStringLiteral("osd-shown")), colorPixels(screen, accent) > 200), 6000);
    shown.start();
    QTRY_VERIFY_WITH_TIMEOUT(colorPixels(grabScreen(QStringLiteral("osd-gone")), accent) == 0, 4000);
    QVERIFY2(shown.elapsed() >= 1000, qPrintable(QString::number(shown.elapsed())));
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
    qunsetenv("MOUSECFG_OSD_IDLE_MS");
    qunsetenv("XDG_RUNTIME_DIR");
}

void TestWindowScreens::shippedLanguages()
{
    TestAppDir dir(TestAppDir::Installed);
    QDir().mkpath(dir.path() + QStringLiteral("/lang"));
    for (const QString &file :
         QDir(QStringLiteral(MOUSECFG_APPDIR "/lang")).entryList({ QStringLiteral("*.qm") }))
        QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/lang/") + file,
                            dir.path() + QStringLiteral("/lang/") + file));
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString screenshots = QString::fromLocal8Bit(qgetenv("MOUSECFG_SCREENSHOT_DIR"));
    const QStringList languages = { QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de") };
    const QStringList yes = { QStringLiteral("Yes"), QStringLiteral("Oui"), QStringLiteral("Ja") };
    LanguageButton *button = window.header()->languageButton();
    for (int language = languages.size() - 1; language >= 0; --language) {
        button->action(language)->trigger();
        QCOMPARE(QCoreApplication::translate("ConfirmButtons", "Yes"), yes[language]);
        for (int tab = 0; tab < 4; ++tab) {
            window.switchTab(tab);
            QTest::qWait(50);
            if (!screenshots.isEmpty())
                window.grab().save(
                    screenshots + QStringLiteral("/window-%1-tab%2.png").arg(languages[language]).arg(tab));
        }
    }
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

QTEST_MAIN(TestWindowScreens)
#include "test_windowscreens.moc"
