// Saves pictures of the macro page and its dialogs: macro_screenshots OUTPUT_DIR [SCALE [LANGUAGE]]
// (LANGUAGE: fr, de, ... from the built translations).
#include "TestAppDir.h"
#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEditPanel.h"
#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroListPanel.h"
#include "ui/macro/TarnGunsetDialog.h"
#include "ui/macro/TarnMacroSelect.h"
#include "ui/macro/TarnTreeItem.h"
#include "ui/macro/TarnTreeWidget.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

using namespace MacroEvents;

namespace {

void copySkin(const QString &to)
{
    const QString from = QStringLiteral(MOUSECFG_APPDIR "/skin");
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

void save(QWidget *widget, const QString &dir, const QString &name)
{
    QTest::qWait(100);
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    SetUiScale(argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0);
    QTranslator translator;
    if (argc > 3
        && translator.load(
            QStringLiteral(MOUSECFG_APPDIR "/lang/mousecfg_%1.qm").arg(QString::fromLocal8Bit(argv[3]))))
        QCoreApplication::installTranslator(&translator);
    QDir().mkpath(out);
    TestAppDir dir(TestAppDir::Installed);
    copySkin(dir.path() + QStringLiteral("/skin"));

    MacroFileData data;
    const MacroEvent events[] = { key(true, 0x04),
                                  delay(12),
                                  key(false, 0x04),
                                  delay(5),
                                  button(true, LeftButton),
                                  delay(1),
                                  button(false, LeftButton),
                                  MacroEvents::move(MoveLeft, 10),
                                  delay(300),
                                  key(true, 0xE1),
                                  key(false, 0xE1) };
    data.count = int(sizeof(events) / sizeof(events[0]));
    std::copy(std::begin(events), std::end(events), data.events);
    data.delayType = 1;
    data.defaultDelay = 10;
    data.loopType = 1;
    data.loopTime = 3;
    for (const char *name : { "typing", "reload", "jump_crouch", "name_1" }) {
        SaveMacroFile(name, data);
        AddToMacroList(name);
    }

    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, ThemeColor::window());
    host.setPalette(palette);
    host.setAutoFillBackground(true);
    host.resize(Scaled(951), Scaled(430));
    MacroDialog page(&host);
    PlaceWidget(&page, 0, 0, 951, 430);
    host.show();
    if (!QTest::qWaitForWindowExposed(&host))
        return 1;
    save(&host, out, QStringLiteral("page-list"));

    page.SelectRow(1);
    page.startEditing();
    save(&host, out, QStringLiteral("page-edit-delay"));
    page.SelectRow(7);
    save(&host, out, QStringLiteral("page-edit-move"));
    page.SelectRow(4);
    save(&host, out, QStringLiteral("page-edit-button"));
    page.SelectRow(0);
    save(&host, out, QStringLiteral("page-edit-key"));
    page.cancelEditing();

    page.startRecording();
    CapturedKey a;
    a.makeCode = 30;
    a.pressed = true;
    a.timestampMs = 1000;
    page.keyCaptured(a);
    a.pressed = false;
    a.timestampMs = 1123;
    page.keyCaptured(a);
    save(&host, out, QStringLiteral("page-recording"));
    page.stopRecording();

    page.mouseActionBox()->setChecked(true);
    page.mouseTree()->itemClickedSlot(page.mouseTree()->buttonItem(LeftButton));
    save(&host, out, QStringLiteral("page-mouse-tree"));
    page.mouseActionBox()->setChecked(false);

    // A macro without delays longer than the mouse keeps.
    MacroFileData plain;
    plain.count = 55;
    for (int i = 0; i < plain.count; ++i)
        plain.events[i] = key(i % 2 == 0, quint8(0x04 + i / 2 % 26));
    SaveMacroFile(QStringLiteral("long_typing"), plain);
    AddToMacroList(QStringLiteral("long_typing"));
    ConfigData config;
    page.refreshFrom(config, 0);
    page.listPanel()->listWidget()->setCurrentRow(4);
    save(&host, out, QStringLiteral("page-cut-notice"));
    page.listPanel()->listWidget()->setCurrentRow(0);

    page.listPanel()->toggleBatchMode();
    page.listPanel()->listWidget()->item(1)->setCheckState(Qt::Checked);
    save(&host, out, QStringLiteral("page-batch"));

    TarnMacroSelect select(QStringLiteral("Macro"), QStringLiteral("MACRO SELECT"), QStringLiteral("typing"),
                           3, 1);
    select.show();
    if (!QTest::qWaitForWindowExposed(&select))
        return 1;
    save(&select, out, QStringLiteral("macro-select"));

    TarnGunsetDialog gun(UiScale());
    gun.setBulletCount(3);
    gun.verticalBox(0)->setValue(5);
    gun.show();
    if (!QTest::qWaitForWindowExposed(&gun))
        return 1;
    save(&gun, out, QStringLiteral("gun-set"));
    return 0;
}
