// Screenshots of the button page and its dialogs, for looking at them: not a test.
// Usage: buttonpage_shots OUTPUT_DIR SCALE

#include "TestAppDir.h"
#include "core/settings/ButtonAssignment.h"
#include "storage/ConfigRecords.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/TarnBtnWindow.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/buttons/TarnSniperWindow.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTranslator>
#include <QtTest>

namespace {

QString output;

// A picture of a window that never appeared would show nothing; say so rather than save it silently.
void waitShown(QWidget *widget)
{
    if (!QTest::qWaitForWindowExposed(widget))
        qWarning("%s was not shown in time", widget->metaObject()->className());
}

void save(QWidget *widget, const QString &name)
{
    QTest::qWait(50);
    widget->grab().save(output + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void shootDialog(QDialog *dialog, const QString &name)
{
    dialog->show();
    waitShown(dialog);
    save(dialog, name);
    dialog->reject();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 64;
    output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    SetUiScale(QString::fromLatin1(argv[2]).toDouble());
    QTranslator translator;
    if (argc > 3
        && translator.load(
            QStringLiteral(MOUSECFG_APPDIR "/lang/mousecfg_%1.qm").arg(QString::fromLocal8Bit(argv[3]))))
        QCoreApplication::installTranslator(&translator);
    TestAppDir dir(TestAppDir::Installed);
    QFile::link(QStringLiteral(MOUSECFG_APPDIR "/skin"), dir.path() + QStringLiteral("/skin"));

    ConfigData config;
    MakeFactoryConfig(config);
    ButtonInfo *b = config.profiles[0].buttons;
    b[3].Fun = 200;
    b[3].macroname = QStringLiteral("Reload sequence");
    StoreCombination(b[4], { 29, 46 });

    QWidget panel;
    panel.setStyleSheet(QStringLiteral("background: rgb(30,30,30);"));
    panel.resize(Scaled(535), Scaled(430));
    auto *page = new TarnBtnWindow(&panel);
    page->setGeometry(0, 0, Scaled(535), Scaled(430));
    page->refreshFrom(config, 0);
    panel.show();
    waitShown(&panel);

    page->selectButton(1, 0);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(page->button(0, 4), &enter);
    save(&panel, QStringLiteral("page-front"));
    page->selectButton(1, 2);
    save(&panel, QStringLiteral("page-front-wheel"));

    QMenu *menu = page->menus()->functionMenu();
    menu->popup(panel.mapToGlobal(QPoint(Scaled(60), Scaled(60))));
    waitShown(menu);
    save(menu, QStringLiteral("function-menu"));
    menu->hide();

    TarnSingleKeyWindow single;
    single.preset(30);
    shootDialog(&single, QStringLiteral("dialog-single"));
    TarnComboKeyWindow combo;
    combo.preset({ 42, 29, 30 });
    shootDialog(&combo, QStringLiteral("dialog-combo"));
    TarnFireKeyWindow fire;
    fire.preset({ FireKeySetting::KeyboardKey, 57, 5, 40 });
    shootDialog(&fire, QStringLiteral("dialog-fire"));
    TarnFireKeyWindow fireWithoutKey;
    fireWithoutKey.choice(FireKeySetting::KeyboardKey)->click();
    shootDialog(&fireWithoutKey, QStringLiteral("dialog-fire-no-key"));
    TarnSniperWindow sniper(SensorSpecFor(3389));
    sniper.preset(1);
    shootDialog(&sniper, QStringLiteral("dialog-sniper"));
    return 0;
}
