#include "storage/Product.h"
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
#include <QXmlStreamReader>
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
    void translationsComplete_data();
    void translationsComplete();
    void shippedLanguages();
    void textsFit_data();
    void textsFit();
    void windowFits_data();
    void windowFits();
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

// The shipped languages as Config.ini lists them: code ("pt_BR") and translation file name.
QList<QPair<QString, QString>> listedLanguages()
{
    QSettings config(QStringLiteral(MOUSECFG_SOURCE_DIR "/data/Configs/Config.ini"), QSettings::IniFormat);
    QList<QPair<QString, QString>> languages;
    const int count = config.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt();
    for (int n = 0; n < count; ++n) {
        const QString file = config.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(n)).toString();
        languages.append({ file.section(QLatin1Char('_'), 1), file });
    }
    return languages;
}

// One text of a translation source, as lupdate writes it.
struct SourceText
{
    QString source;
    bool numerus = false;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
    QStringList forms;
};

// The texts of a .ts file by context and source text; empty when it cannot be read.
QMap<QString, SourceText> readSourceTexts(const QString &path, QString *error)
{
    QMap<QString, SourceText> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return texts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString comment;
    SourceText text;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringRef name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                text = SourceText();
                comment.clear();
                text.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                text.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                text.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!text.numerus)
                    text.forms << xml.readElementText();
            } else if (name == QLatin1String("numerusform")) {
                text.forms << xml.readElementText();
            }
        } else if (xml.isEndElement() && name == QLatin1String("message")) {
            texts.insert(context + QLatin1String(": ") + text.source
                             + (comment.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(comment)),
                         text);
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return texts;
}

// The placeholders a text must keep: %1 to %99 and %n, also in their localised %L forms.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?([1-9][0-9]?|n)"));
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << QLatin1Char('%') + it.next().captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

// A keyboard accelerator: an & before anything but another &.
bool hasAccelerator(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("&[^&]")));
}

// Plural forms of a language: one in Chinese and Japanese, three in Polish and Russian.
int pluralForms(const QString &code)
{
    if (code.startsWith(QLatin1String("zh")) || code.startsWith(QLatin1String("ja")))
        return 1;
    if (code.startsWith(QLatin1String("pl")) || code.startsWith(QLatin1String("ru")))
        return 3;
    return 2;
}

QString examples(const QStringList &list)
{
    const int shown = 5;
    QString text = list.mid(0, shown).join(QStringLiteral("\n    "));
    if (list.size() > shown)
        text += QStringLiteral("\n    ... and %1 more").arg(list.size() - shown);
    return text;
}

// The characters of `text` that `font`, with the faces it falls back to, has no glyph for.
QString missingGlyphs(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    QString missing;
    for (const uint character : text.toUcs4()) {
        if (!QChar::isSpace(character) && QChar::category(character) != QChar::Other_Control
            && !metrics.inFontUcs4(character))
            missing += QString::fromUcs4(&character, 1);
    }
    return missing;
}

// The texts below `root` that do not fit where they are shown, each as "object: text (needed > has)",
// or that show a character without a glyph.
QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    const auto check = [&cut](const QWidget *widget, const QString &text, int needed, int has,
                              const QFont &font) {
        if (needed > has)
            cut << QStringLiteral("%1: %2 (%3 > %4)").arg(widget->objectName(), text).arg(needed).arg(has);
        const QString missing = missingGlyphs(font, text);
        if (!missing.isEmpty())
            cut << QStringLiteral("%1: %2 (no glyph for %3)").arg(widget->objectName(), text, missing);
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
                      button->width(), button->textFont());
        } else if (auto *tool = qobject_cast<QToolButton *>(widget)) {
            if (!tool->text().isEmpty())
                check(tool, tool->text(),
                      QFontMetrics(tool->font()).horizontalAdvance(tool->text()) + tool->iconSize().width(),
                      tool->width(), tool->font());
        } else if (auto *box = qobject_cast<QAbstractButton *>(widget)) {
            if ((qobject_cast<QCheckBox *>(box) || qobject_cast<QRadioButton *>(box))
                && !box->text().isEmpty())
                check(box, box->text(), box->sizeHint().width(), box->width(), box->font());
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!label->wordWrap() && label->textFormat() == Qt::PlainText && !label->text().isEmpty())
                check(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width(), label->font());
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
        const QString missing = missingGlyphs(action->font(), action->text());
        if (!missing.isEmpty())
            cut << QStringLiteral("%1: %2 (no glyph for %3)")
                       .arg(menu->objectName(), action->text(), missing);
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

void TestWindowScreens::translationsComplete_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    for (const auto &language : listedLanguages())
        QTest::newRow(qPrintable(language.first)) << language.first << language.second;
}

void TestWindowScreens::translationsComplete()
{
    QFETCH(QString, code);
    QFETCH(QString, file);
    const QString dir = QStringLiteral(MOUSECFG_SOURCE_DIR "/data/lang/");
    QString error;
    const QMap<QString, SourceText> english = readSourceTexts(dir + QStringLiteral("mousecfg_en.ts"), &error);
    QVERIFY2(error.isEmpty() && !english.isEmpty(), qPrintable(error));
    const QMap<QString, SourceText> texts = readSourceTexts(dir + file + QStringLiteral(".ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(file + QStringLiteral(".ts: ") + error));

    QStringList missing, unfinished, stale, dropped, plurals;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (!texts.contains(it.key()))
            missing << it.key();
    }
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        const SourceText &text = it.value();
        if (!english.contains(it.key()) || text.type == QLatin1String("vanished")
            || text.type == QLatin1String("obsolete")) {
            stale << it.key();
            continue;
        }
        if (text.type == QLatin1String("unfinished") || text.forms.isEmpty()
            || std::any_of(text.forms.cbegin(), text.forms.cend(),
                           [](const QString &form) { return form.isEmpty(); })) {
            unfinished << it.key();
            continue;
        }
        if (text.numerus && text.forms.size() != pluralForms(code))
            plurals << QStringLiteral("%1 (%2 forms)").arg(it.key()).arg(text.forms.size());
        for (const QString &form : text.forms) {
            const QStringList kept = placeholders(form);
            const QStringList needed = placeholders(text.source);
            const bool lost
                = std::any_of(needed.cbegin(), needed.cend(),
                              [&kept](const QString &placeholder) { return !kept.contains(placeholder); });
            if (lost || (hasAccelerator(text.source) && !hasAccelerator(form))) {
                dropped << QStringLiteral("%1 -> %2").arg(it.key(), form);
                break;
            }
        }
    }
    QStringList report;
    if (!unfinished.isEmpty())
        report << QStringLiteral("%1 of %2 texts unfinished:\n    %3")
                      .arg(unfinished.size())
                      .arg(english.size())
                      .arg(examples(unfinished));
    if (!missing.isEmpty())
        report << QStringLiteral("%1 texts missing (run tools/update-translations.sh):\n    %2")
                      .arg(missing.size())
                      .arg(examples(missing));
    if (!stale.isEmpty())
        report << QStringLiteral("%1 texts no longer in the program:\n    %2")
                      .arg(stale.size())
                      .arg(examples(stale));
    if (!dropped.isEmpty())
        report << QStringLiteral("%1 texts lose a placeholder or the & of a shortcut:\n    %2")
                      .arg(dropped.size())
                      .arg(examples(dropped));
    if (!plurals.isEmpty())
        report << QStringLiteral("%1 plural texts without %2 forms:\n    %3")
                      .arg(plurals.size())
                      .arg(pluralForms(code))
                      .arg(examples(plurals));
    QVERIFY2(report.isEmpty(), qPrintable(code + QStringLiteral(": ") + report.join(QStringLiteral("\n"))));
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
    const QList<QPair<QString, QString>> languages = listedLanguages();
    LanguageButton *button = window.header()->languageButton();
    for (int language = languages.size() - 1; language >= 0; --language) {
        const QString code = languages[language].first;
        QVERIFY2(button->action(language), qPrintable(code));
        button->action(language)->trigger();
        QCOMPARE(button->text(), Product::load().languages.entries[language].name);
        // Every language but English answers in its own words.
        const QString yes = QCoreApplication::translate("ConfirmButtons", "Yes");
        QVERIFY2((yes == QLatin1String("Yes")) == (code == QLatin1String("en")),
                 qPrintable(code + ": " + yes));
        for (int tab = 0; tab < 4; ++tab) {
            window.switchTab(tab);
            QTest::qWait(50);
            if (!screenshots.isEmpty())
                window.grab().save(screenshots + QStringLiteral("/window-%1-tab%2.png").arg(code).arg(tab));
        }
    }
    qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
}

void TestWindowScreens::textsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("scale");
    const QList<QPair<QString, QString>> languages = listedLanguages();
    for (int language = 0; language < languages.size(); ++language) {
        for (double scale : { 1.0, 1.25, 2.0 })
            QTest::addRow("%s at %.2f", qPrintable(languages[language].first), scale) << language << scale;
    }
}

void TestWindowScreens::textsFit()
{
    QFETCH(int, language);
    QFETCH(double, scale);
    VirtualMouseLink link(true, false);
    installTranslations(link.dir);
    LanguageSwitch languages(link.session.product());
    QVERIFY(languages.choose(language));
    SetUiScale(scale);
    const auto restore = qScopeGuard([] {
        SetUiScale(1.0);
        SetCurrentLanguage(0, {});
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

void TestWindowScreens::windowFits_data()
{
    QTest::addColumn<int>("language");
    const QList<QPair<QString, QString>> languages = listedLanguages();
    for (int language = 0; language < languages.size(); ++language)
        QTest::newRow(qPrintable(languages[language].first)) << language;
}

// The whole window on each tab, at the scale the screen asks for (test_windowscreens_2x: 2.0).
void TestWindowScreens::windowFits()
{
    QFETCH(int, language);
    TestAppDir dir(TestAppDir::Installed);
    installTranslations(dir);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    const auto restore = qScopeGuard([] {
        qunsetenv("MOUSECFG_VIRTUAL_MOUSE");
        SetCurrentLanguage(0, {});
    });
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    QVERIFY(window.languageSwitch()->choose(language));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList cut;
    for (int tab = 0; tab < 4; ++tab) {
        window.switchTab(tab);
        QTest::qWait(20);
        for (const QString &text : cutTexts(&window)) {
            if (!cut.contains(text))
                cut << text;
        }
    }
    QVERIFY2(cut.isEmpty(),
             qPrintable(QStringLiteral("at %1:\n").arg(UiScale()) + cut.join(QStringLiteral("\n"))));
}

QTEST_MAIN(TestWindowScreens)
#include "test_windowscreens.moc"
