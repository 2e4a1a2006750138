// Pictures of the keyboard focus on every page, for judging by eye that it is always visible.
// Run under an X server with the wanted DPI and a virtual mouse, for example
//   MOUSECFG_VIRTUAL_MOUSE=receiver xvfb-run -a -s "-noreset -screen 0 1600x1000x24 -dpi 192"
//   build/tools/mousecfg-focus-shots OUTDIR
// The focus is moved with the Tab key only, as a keyboard user moves it.
#include "device/session/MouseSession.h"
#include "ui/buttons/TarnComboKeyWindow.h"
#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/buttons/TarnSingleKeyWindow.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/TabBar.h"
#include "ui/widgets/TarnPushButton.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace {

void pressTab(int times)
{
    for (int i = 0; i < times; ++i) {
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClick(focus, Qt::Key_Tab);
        QTest::qWait(30);
    }
}

void shot(QWidget &window, const QString &dir, const QString &name)
{
    QTest::qWait(400);
    const QString dpi = QString::number(qRound(window.screen()->logicalDotsPerInch()));
    const QString path = dir + QStringLiteral("/focus-%1dpi-%2.png").arg(dpi, name);
    window.grab().save(path);
    const QWidget *focus = QApplication::focusWidget();
    qInfo("%s: focus on %s", qPrintable(path), focus ? qPrintable(focus->accessibleName()) : "nothing");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    const HidBackendChoice backend = chooseHidBackend();
    MouseSession session(backend.backend, MouseSession::WithStatusThread);
    MousecfgWidget window(session, backend.notices);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window, 10000))
        qWarning("The window never became active; the focus may not show.");
    QTest::qWait(1500);
    shot(window, dir, QStringLiteral("0-start"));

    const char *pages[] = { "lighting", "customize", "dpi", "macro" };
    for (int tab = 0; tab < 4; ++tab) {
        window.switchTab(tab);
        window.tabs()->button(tab)->setFocus(Qt::TabFocusReason);
        // The remaining tabs and the profile bar's thirteen stops lead to the page.
        pressTab(4 - tab + 13);
        shot(window, dir, QStringLiteral("%1-%2-a").arg(tab + 1).arg(QLatin1String(pages[tab])));
        pressTab(3);
        shot(window, dir, QStringLiteral("%1-%2-b").arg(tab + 1).arg(QLatin1String(pages[tab])));
    }
    // The footer and the header.
    window.switchTab(0);
    window.tabs()->button(0)->setFocus(Qt::TabFocusReason);
    pressTab(4 + 13 + 3 + 5);
    shot(window, dir, QStringLiteral("5-footer"));
    pressTab(4);
    shot(window, dir, QStringLiteral("6-header"));

    // The key dialogs with a key shown and the focus on "Capture again".
    TarnSingleKeyWindow single(&window);
    single.preset(30);
    TarnComboKeyWindow combo(&window);
    combo.preset({ 29, 46 });
    TarnFireKeyWindow fire(&window);
    fire.preset({ FireKeySetting::KeyboardKey, 48, 5, 20 });
    int index = 7;
    for (KeyDialogFrame *dialog : std::initializer_list<KeyDialogFrame *> { &single, &combo, &fire }) {
        dialog->show();
        dialog->activateWindow();
        QTest::qWait(500);
        dialog->captureAgainButton()->setFocus(Qt::TabFocusReason);
        shot(*dialog, dir, QStringLiteral("%1-%2").arg(index++).arg(dialog->objectName()));
        // Keys would be captured here (none was taken yet), so the focus is put on OK directly.
        dialog->findChild<QToolButton *>(QStringLiteral("msgBoxYesBtn"))->setFocus(Qt::TabFocusReason);
        shot(*dialog, dir, QStringLiteral("%1-%2-ok").arg(index - 1).arg(dialog->objectName()));
        dialog->reject();
    }
    return 0;
}
