// Renders the settings pages and the colour dialog into PNG files for a visual check:
// page_gallery OUTPUT_DIR SCALE (run on an X server or offscreen).
#include "PageTestSupport.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "ui/pages/TarnColorArea.h"
#include "ui/pages/TarnColorWindow.h"
#include "ui/pages/TarnDPIWindow.h"
#include "ui/pages/TarnPointSpeed.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/Theme.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

QString g_out;

// A dark panel holding one page at its place in the window's content area.
template<typename Page>
void shoot(const QString &name, int width, int height, const std::function<void(Page &)> &prepare)
{
    QWidget panel;
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, ThemeColor::window());
    panel.setPalette(palette);
    panel.resize(Scaled(width), Scaled(height));
    auto *page = new Page(&panel);
    PlaceWidget(page, 0, 0, width, height);
    panel.show();
    prepare(*page);
    page->relayout();
    QApplication::processEvents();
    panel.grab().save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void chooseEffect(TarnColorWindow &page, const QString &text)
{
    for (QAction *action : page.effectMenu()->actions()) {
        if (action->text() == text)
            action->trigger();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 64;
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    SetUiScale(QString::fromLatin1(argv[2]).toDouble());
    TestAppDir dir(TestAppDir::Installed);
    QFile::link(QStringLiteral(MOUSECFG_APPDIR "/skin"), dir.path() + QStringLiteral("/skin"));

    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    config.profiles[0].dpi = 2;
    config.profiles[0].stages[3].link = 0;
    config.profiles[0].stages[3].y = 200;

    shoot<TarnDPIWindow>("dpi-3389", 470, 430, [&](TarnDPIWindow &p) { p.refreshFrom(config, 0); });
    setStageCount(dir, 4);
    setSensor(dir, 3104);
    setDefinition(dir, QStringLiteral("ledDisable"), QStringLiteral("1"));
    for (DpiStage &s : config.profiles[0].stages)
        s.x = s.y = 40;
    shoot<TarnDPIWindow>("dpi-4stages", 470, 430, [&](TarnDPIWindow &p) { p.refreshFrom(config, 0); });
    setStageCount(dir, 8);
    shoot<TarnDPIWindow>("dpi-8stages", 470, 430, [&](TarnDPIWindow &p) { p.refreshFrom(config, 0); });
    setDefinition(dir, QStringLiteral("ledDisable"), QStringLiteral("0"));

    for (const QString effect : { "FULL LIGHTED", "7 COLOR BREATHING", "RAINBOW" }) {
        shoot<TarnColorWindow>("lighting-" + QString(effect).replace(' ', '-'), 535, 430,
                               [&](TarnColorWindow &p) {
                                   p.refreshFrom(config, 0);
                                   chooseEffect(p, effect);
                               });
    }
    shoot<TarnPointSpeed>("performance", 470, 280, [&](TarnPointSpeed &p) { p.refreshFrom(config, 0); });
    shoot<TarnReportRate>("reportrate", 470, 144, [&](TarnReportRate &p) { p.refreshFrom(config, 0); });

    TarnColorArea dialog(nullptr, QColor(255, 136, 0));
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(g_out + QStringLiteral("/colordialog.png"));
    return 0;
}
