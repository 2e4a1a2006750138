#include "ProfileTestHost.h"
#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "VirtualMouseLink.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/main/HeaderBar.h"
#include "ui/main/LanguageButton.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/TabBar.h"
#include "ui/pages/TarnColorArea.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "virtualmouse/VirtualMouse.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// On a real X server: a DPI stage changed on the mouse starts the display companion, whose notice
// shows in the accent colour near the bottom of the screen and goes away after its time; the shipped
// translations switch the window's language, and every text fits its control in each of them at
// each scale. MOUSECFG_SCREENSHOT_DIR keeps the screens looked at.
class TestWindowScreens : public QObject
{
    Q_OBJECT
private slots:
    void noticeOfAnOnMouseChange();
    void shippedLanguages();
    void textsFit_data();
    void textsFit();
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

// Copies the shipped translations into the test's program folder.
void installTranslations(const TestAppDir &dir)
{
    QDir().mkpath(dir.path() + QStringLiteral("/lang"));
    for (const QString &file :
         QDir(QStringLiteral(MOUSECFG_APPDIR "/lang")).entryList({ QStringLiteral("*.qm") }))
        QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/lang/") + file,
                    dir.path() + QStringLiteral("/lang/") + file);
}

// The texts below `root` that do not fit where they are shown, each as "object: text (needed > has)".
QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    const auto check = [&cut](const QWidget *widget, const QString &text, int needed, int has) {
        if (needed > has)
            cut << QStringLiteral("%1: %2 (%3 > %4)").arg(widget->objectName(), text).arg(needed).arg(has);
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) && widget != root)
            continue;
        if (!widget->isWindow() && widget->parentWidget()
            && !widget->parentWidget()->rect().contains(widget->geometry()))
            cut << widget->objectName() + QStringLiteral(": outside its parent");
        if (auto *button = qobject_cast<TarnPushButton *>(widget)) {
            if (!button->text().isEmpty())
                // Clear of the plate's rounded edge on both sides.
                check(button, button->text(),
                      QFontMetrics(button->textFont()).horizontalAdvance(button->text())
                          + 2 * qMax(2, Scaled(4)),
                      button->width());
        } else if (auto *tool = qobject_cast<QToolButton *>(widget)) {
            if (!tool->text().isEmpty())
                check(tool, tool->text(),
                      QFontMetrics(tool->font()).horizontalAdvance(tool->text()) + tool->iconSize().width(),
                      tool->width());
        } else if (auto *box = qobject_cast<QAbstractButton *>(widget)) {
            if ((qobject_cast<QCheckBox *>(box) || qobject_cast<QRadioButton *>(box))
                && !box->text().isEmpty())
                check(box, box->text(), box->sizeHint().width(), box->width());
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!label->wordWrap() && label->textFormat() == Qt::PlainText && !label->text().isEmpty())
                check(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width());
        }
    }
    return cut;
}

// The entries of `menu` (and its submenus) that do not fit the width it opens at: the text, the
// item padding on both sides and, for a submenu, room for its arrow.
QStringList cutMenuEntries(QMenu *menu, int itemPadding)
{
    QStringList cut;
    menu->ensurePolished();
    const int width = menu->sizeHint().expandedTo(menu->minimumSize()).boundedTo(menu->maximumSize()).width();
    const QFontMetrics metrics(menu->font());
    for (QAction *action : menu->actions()) {
        const int arrow = action->menu() ? metrics.height() : 0;
        const int needed = metrics.horizontalAdvance(action->text()) + 2 * itemPadding + arrow;
        if (needed > width)
            cut << QStringLiteral("%1: %2 (%3 > %4)")
                       .arg(menu->objectName(), action->text())
                       .arg(needed)
                       .arg(width);
        if (action->menu())
            cut << cutMenuEntries(action->menu(), itemPadding);
    }
    return cut;
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
    installTranslations(dir);
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

void TestWindowScreens::textsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("scale");
    const char *languages[] = { "en", "fr", "de" };
    for (int language = 0; language < 3; ++language) {
        for (double scale : { 1.0, 1.25, 2.0 })
            QTest::addRow("%s at %.2f", languages[language], scale) << language << scale;
    }
}

void TestWindowScreens::textsFit()
{
    QFETCH(int, language);
    QFETCH(double, scale);
    VirtualMouseLink link(true, false);
    installTranslations(link.dir);
    LanguageSwitch languages;
    QVERIFY(languages.choose(language));
    SetUiScale(scale);
    const auto restore = qScopeGuard([] {
        SetUiScale(1.0);
        SetCurrentLanguage(0);
    });
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    config.profiles[0].stages[1].link = 0;

    // The profile bar and its footer in a window-sized stand-in, with a long name in the library.
    QWidget window;
    window.resize(Scaled(999), Scaled(640));
    ProfileTestHost host;
    host.config = config;
    host.parent = &window;
    host.session = &link.session;
    host.library = QStringList { QStringLiteral("Profile 1"),
                                 QStringLiteral("Evening tournament with the whole team") };
    auto *bar = new ProfileBar(&host, &window);
    window.show();
    QStringList cut = cutTexts(&window);
    cut << cutMenuEntries(bar->libraryMenu(), Scaled(12)) << cutMenuEntries(bar->slotMenu(), Scaled(12));
    // An emptied name field shows its hint, shortened when the field is narrower; it is then the tooltip.
    QLineEdit *name = bar->nameField();
    name->clear();
    QStyleOptionFrame frame;
    frame.initFrom(name);
    frame.lineWidth = name->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, name);
    if (name->fontMetrics().horizontalAdvance(name->placeholderText())
            > name->style()->subElementRect(QStyle::SE_LineEditContents, &frame, name).width()
        && name->toolTip() != name->placeholderText())
        cut << QStringLiteral("nameField: ") + name->placeholderText();

    // The button page with its menus, the DPI page with an unlinked stage, the performance page and
    // the colour dialog.
    QWidget pages;
    pages.resize(Scaled(535), Scaled(430));
    auto *buttons = new TarnBtnWindow(&pages);
    buttons->setGeometry(0, 0, Scaled(535), Scaled(430));
    buttons->refreshFrom(config, 0);
    pages.show();
    cut << cutTexts(&pages);
    buttons->menus()->rebuild(true, true);
    cut << cutMenuEntries(buttons->menus()->functionMenu(), Scaled(12))
        << cutMenuEntries(buttons->menus()->wheelMenu(), Scaled(12));
    delete buttons;
    for (ConfigPage *page :
         std::initializer_list<ConfigPage *> { new TarnDPIWindow(&pages), new TarnPointSpeed(&pages) }) {
        page->setGeometry(0, 0, Scaled(470), Scaled(430));
        page->refreshFrom(config, 0);
        page->show();
        cut << cutTexts(page);
        delete page;
    }
    TarnColorArea colours(nullptr, QColor(255, 136, 0));
    colours.show();
    cut << cutTexts(&colours);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestWindowScreens)
#include "test_windowscreens.moc"
