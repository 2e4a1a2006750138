// Pictures of the places where texts and arrows must fit, in one language at one scale, for a look by
// eye: the button menus with a submenu open, the profile bar with a long stored name and its
// drop-down open, the DPI page with X and Y unlinked, and the colour dialog. Not a test.
// Usage: fit_shots OUTPUT_DIR LANGUAGE_INDEX SCALE (on an X server)

#include "PageTestSupport.h"
#include "ProfileTestHost.h"
#include "VirtualMouseLink.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/main/LanguageSwitch.h"
#include "ui/main/ProfileBar.h"
#include "ui/pages/TarnColorArea.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QtTest>

namespace {

QString g_out;

void waitShown(QWidget *widget)
{
    if (!QTest::qWaitForWindowExposed(widget))
        qWarning("%s was not shown in time", widget->metaObject()->className());
    QTest::qWait(100);
}

// The screen around the windows in `shown` (menus are windows of their own), with a small margin.
void saveScreen(const QList<QWidget *> &shown, const QString &name)
{
    QRect area;
    for (QWidget *widget : shown)
        area |= widget->isWindow() ? widget->frameGeometry()
                                   : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    area = area.adjusted(-4, -4, 4, 4) & QGuiApplication::primaryScreen()->geometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QWidget *darkPanel(int width, int height)
{
    auto *panel = new QWidget;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ThemeColor::window());
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    panel->resize(Scaled(width), Scaled(height));
    panel->move(10, 10);
    return panel;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 4)
        return 64;
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    const int language = QString::fromLatin1(argv[2]).toInt();
    SetUiScale(QString::fromLatin1(argv[3]).toDouble());

    VirtualMouseLink link(true, false);
    QFile::link(QStringLiteral(MOUSECFG_APPDIR "/skin"), link.dir.path() + QStringLiteral("/skin"));
    QDir().mkpath(link.dir.path() + QStringLiteral("/lang"));
    for (const QString &file :
         QDir(QStringLiteral(MOUSECFG_APPDIR "/lang")).entryList({ QStringLiteral("*.qm") }))
        QFile::copy(QStringLiteral(MOUSECFG_APPDIR "/lang/") + file,
                    link.dir.path() + QStringLiteral("/lang/") + file);
    LanguageSwitch languages(link.session.product());
    if (!languages.choose(language))
        qWarning("language %d did not load", language);

    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    DpiStage &unlinked = config.profiles[0].stages[2];
    unlinked.link = 0;
    unlinked.x = 30;
    unlinked.y = 70;

    // The button page and its function menu, with the first submenu open.
    {
        QScopedPointer<QWidget> panel(darkPanel(535, 430));
        auto *page = new TarnBtnWindow(panel.data());
        page->setGeometry(panel->rect());
        page->refreshFrom(config, 0);
        page->menus()->rebuild(true, true);
        panel->show();
        waitShown(panel.data());
        QMenu *menu = page->menus()->functionMenu();
        menu->popup(panel->mapToGlobal(QPoint(Scaled(40), Scaled(40))));
        waitShown(menu);
        // The submenu with the widest entry.
        QAction *submenuEntry = nullptr;
        int widest = 0;
        for (QAction *action : menu->actions()) {
            if (!action->menu())
                continue;
            for (QAction *entry : action->menu()->actions()) {
                const int width = action->menu()->fontMetrics().horizontalAdvance(entry->text());
                if (width > widest) {
                    widest = width;
                    submenuEntry = action;
                }
            }
        }
        // Keyboard to that submenu's entry and into it, as a user would open it.
        while (menu->activeAction() != submenuEntry)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Right);
        QMenu *submenu = submenuEntry->menu();
        waitShown(submenu);
        saveScreen({ panel.data(), menu, submenu }, QStringLiteral("button-menus"));
        submenu->hide();
        menu->hide();
        QMenu *wheel = page->menus()->wheelMenu();
        wheel->popup(panel->mapToGlobal(QPoint(Scaled(40), Scaled(40))));
        waitShown(wheel);
        saveScreen({ wheel }, QStringLiteral("wheel-menu"));
        wheel->hide();
    }

    // The profile bar and its footer, a long stored name current and the drop-down open.
    {
        QScopedPointer<QWidget> window(darkPanel(999, 640));
        ProfileTestHost host;
        host.config = config;
        host.config.profileNames[0] = QStringLiteral("Evening tournament with the whole team");
        host.session = &link.session;
        host.parent = window.data();
        host.library = QStringList { host.config.profileNames[0], QStringLiteral("Profile 2"),
                                     QStringLiteral("Profile 3") };
        auto *bar = new ProfileBar(&host, window.data());
        bar->refresh();
        window->show();
        waitShown(window.data());
        saveScreen({ window.data() }, QStringLiteral("profile-bar"));
        QMenu *menu = bar->libraryMenu();
        menu->popup(bar->mapToGlobal(QPoint(Scaled(160), Scaled(36))));
        waitShown(menu);
        saveScreen({ menu, bar }, QStringLiteral("profile-bar-library"));
        menu->hide();
    }

    // The DPI page with the third stage unlinked: six stages, then eight with the sleep group, whose
    // short rows leave each of the two sliders less than a round handle.
    for (const bool crowded : { false, true }) {
        if (crowded) {
            setStageCount(link.dir, 8);
            setDefinition(link.dir, QStringLiteral("ledDisable"), QStringLiteral("1"));
        }
        QScopedPointer<QWidget> panel(darkPanel(470, 430));
        auto *page = new TarnDPIWindow(panel.data());
        page->setGeometry(panel->rect());
        page->refreshFrom(config, 0);
        panel->show();
        waitShown(panel.data());
        saveScreen({ panel.data() },
                   crowded ? QStringLiteral("dpi-unlinked-8-stages") : QStringLiteral("dpi-unlinked"));
    }
    {
        QScopedPointer<QWidget> panel(darkPanel(470, 280));
        auto *page = new TarnPointSpeed(panel.data());
        page->setGeometry(panel->rect());
        page->refreshFrom(config, 0);
        panel->show();
        waitShown(panel.data());
        saveScreen({ panel.data() }, QStringLiteral("performance"));
    }

    TarnColorArea dialog(nullptr, QColor(255, 136, 0));
    dialog.move(10, 10);
    dialog.show();
    waitShown(&dialog);
    saveScreen({ &dialog }, QStringLiteral("colour-dialog"));
    return 0;
}
