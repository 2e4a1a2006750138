#include "ProfileTestHost.h"
#include "ScriptedPrompts.h"
#include "VirtualMouseLink.h"
#include "device/upload/UploadThreadState.h"
#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"
#include "ui/main/ProfileActions.h"
#include "ui/main/ProfileBar.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/TarnProcessDialog.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QtTest>

// The profile bar and its footer as the user drives them, on a virtual mouse.
class TestProfileBar : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndPlaces();
    void menusAndNameField();
    void uploadRunsBehindTheDialog();
};

namespace {

// The window stand-in: a dark 999 x 640 widget holding the bar where the window puts it.
struct Window
{
    Window()
    {
        // The skin pictures the build painted.
        QFile::link(QStringLiteral(MOUSECFG_APPDIR "/skin"), link.dir.path() + QStringLiteral("/skin"));
        host.session = &link.session;
        LoadConfig(host.config);
        WriteFactoryProfileFile();
        SaveConfig(host.config);
        QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
        for (int k = 0; k < ProfileSlots; ++k) {
            host.library << host.config.profileNames[k];
            SaveProfileFileAt(host.config.profiles[k], LibraryProfileFile(host.config.profileNames[k]));
        }
        SaveLibraryList(host.library);
        link.session.upload().state().LastSentConfig() = host.config;
        SaveDiff(0);

        QPalette dark = widget.palette();
        dark.setColor(QPalette::Window, ThemeColor::window());
        widget.setPalette(dark);
        widget.setAutoFillBackground(true);
        widget.resize(Scaled(999), Scaled(640));
        host.parent = &widget;
        bar = new ProfileBar(&host, &widget);
        PlaceWidget(bar, 24, 80, 951, 40);
        link.mouse.clearReports();
    }

    template<typename T = TarnPushButton> T *control(const char *name) const
    {
        return bar->findChild<T *>(QLatin1String(name));
    }

    VirtualMouseLink link { true, false };
    ProfileTestHost host;
    ScriptedPrompts prompts;
    QWidget widget;
    ProfileBar *bar = nullptr;
};

} // namespace

void TestProfileBar::controlsAndPlaces()
{
    Window w;
    const QStringList texts = { "ADD", "COPY", "DELETE", "RESET", "Reset All", "LOAD1", "SAVE" };
    const char *names[] = { "addButton",      "copyButton", "deleteButton", "resetButton",
                            "resetAllButton", "loadButton", "saveButton" };
    for (int i = 0; i < texts.size(); ++i) {
        TarnPushButton *button = w.control(names[i]);
        QVERIFY2(button, names[i]);
        QCOMPARE(button->text(), texts.at(i));
        QCOMPARE(button->accessibleName(), texts.at(i));
    }
    QCOMPARE(w.control("exportButton")->toolTip(), QString("Save Profile File"));
    QCOMPARE(w.control("importButton")->toolTip(), QString("Load Profile File"));
    QCOMPARE(w.control("slotSelector")->text(), QString("Profile 1"));
    QCOMPARE(w.control<QLabel>("nameLabel")->text(), QString("NAME"));
    QCOMPARE(w.bar->nameField()->placeholderText(), QString("Press Enter To Apply"));
    QCOMPARE(w.bar->nameField()->text(), QString("Profile 1"));

    // Every control inside the bar's 951 x 40 area, none overlapping the next.
    QList<QWidget *> controls = w.bar->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    controls.erase(std::remove_if(controls.begin(), controls.end(), [](QWidget *c) { return c->isWindow(); }),
                   controls.end());
    std::sort(controls.begin(), controls.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    QCOMPARE(controls.size(), 14);
    for (int i = 0; i < controls.size(); ++i) {
        QVERIFY(QRect(0, 0, 951, 40).contains(controls.at(i)->geometry()));
        if (i > 0)
            QVERIFY(controls.at(i - 1)->geometry().right() < controls.at(i)->x());
    }

    // The footer sits at the bottom right of the window, its three buttons in order.
    ProfileActions *actions = w.bar->actions();
    QCOMPARE(actions->parentWidget(), &w.widget);
    QCOMPARE(actions->geometry(), QRect(735, 586, 240, 36));
    QStringList footer;
    for (const char *name : { "okButton", "cancelButton", "applyButton" })
        footer << actions->findChild<TarnPushButton *>(QLatin1String(name))->text();
    QCOMPARE(footer, QStringList({ "OK", "Cancel", "Apply" }));

    w.bar->setControlsEnabled(false);
    QVERIFY(!w.control("addButton")->isEnabled() && !actions->isEnabled());
}

void TestProfileBar::menusAndNameField()
{
    Window w;
    QStringList entries;
    for (QAction *action : w.bar->slotMenu()->actions())
        entries << action->text();
    QCOMPARE(entries, QStringList({ "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5" }));
    QCOMPARE(w.bar->libraryMenu()->actions().size(), 5);
    // The drop-down is at least its design width and grows to its longest name.
    QCOMPARE(w.bar->libraryMenu()->minimumWidth(), 152);

    // ADD from the keyboard; the new name shows and joins the drop-down.
    TarnPushButton *add = w.control("addButton");
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Space);
    QCOMPARE(w.bar->nameField()->text(), QString("Profile 6"));
    QCOMPARE(w.bar->libraryMenu()->actions().last()->text(), QString("Profile 6"));

    // Enter in the name field renames; the drop-down follows.
    w.bar->nameField()->setText("Gaming");
    QTest::keyClick(w.bar->nameField(), Qt::Key_Return);
    QCOMPARE(w.host.library.last(), QString("Gaming"));
    QCOMPARE(w.bar->libraryMenu()->actions().last()->text(), QString("Gaming"));
    // A name that cannot name a file is refused and the old one comes back.
    w.bar->nameField()->setText("../up");
    QTest::keyClick(w.bar->nameField(), Qt::Key_Return);
    QCOMPARE(w.bar->nameField()->text(), QString("Gaming"));

    // A drop-down entry another slot holds is refused; a free one is loaded.
    w.bar->libraryMenu()->actions().at(1)->trigger();
    QCOMPARE(w.prompts.texts().last(), QString("Profile is Already Used!"));
    w.bar->libraryMenu()->actions().at(0)->trigger();
    QCOMPARE(w.bar->nameField()->text(), QString("Profile 1"));

    // The slot menu switches the mouse to the slot.
    w.bar->slotMenu()->actions().at(3)->trigger();
    QCOMPARE(w.control("slotSelector")->text(), QString("Profile 4"));
    QCOMPARE(w.bar->nameField()->text(), QString("Profile 4"));
    QCOMPARE(int(w.link.mouse.selectedProfile()), 3);
    QCOMPARE(w.host.speedApplied, 1);
}

void TestProfileBar::uploadRunsBehindTheDialog()
{
    const QString shots = qEnvironmentVariable("MOUSECFG_SCREENSHOTS");
    const double scale = qEnvironmentVariableIsSet("MOUSECFG_SCREENSHOT_SCALE")
        ? qEnvironmentVariable("MOUSECFG_SCREENSHOT_SCALE").toDouble()
        : 1.0;
    SetUiScale(scale);
    const auto restoreScale = qScopeGuard([] { SetUiScale(1.0); });
    Window w;
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    if (!shots.isEmpty()) {
        w.widget.grab().save(shots + QStringLiteral("/profilebar-%1.png").arg(scale));
        QMenu *menu = w.bar->libraryMenu();
        menu->popup(w.control("libraryButton")->mapToGlobal(QPoint(0, Scaled(30))));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->grab().save(shots + QStringLiteral("/librarymenu-%1.png").arg(scale));
        menu->hide();
    }

    // A slow link keeps the upload busy for a while; the user-interface thread must keep running.
    w.link.mouse.setLatency(15);
    int ticks = 0;
    QSet<int> frames;
    QSize dialogSize;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        auto *dialog = qobject_cast<TarnProcessDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSize = dialog->size();
        if (dialog->isAnimating())
            frames << dialog->findChild<QMovie *>()->currentFrameNumber();
        if (!shots.isEmpty() && ticks == 10)
            dialog->grab().save(shots + QStringLiteral("/progress-%1.png").arg(scale));
    });
    watch.start(20);
    TarnPushButton *resetAll = w.control("resetAllButton");
    QTest::mouseClick(resetAll, Qt::LeftButton);
    watch.stop();

    QCOMPARE(w.prompts.texts(), QStringList({ "Are you sure you want reset all profiles?" }));
    QCOMPARE(dialogSize, QSize(Scaled(128), Scaled(128)));
    QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
    QVERIFY2(frames.size() > 3, qPrintable(QString::number(frames.size())));
    QVERIFY(w.link.mouse.reports().size() > 20);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestProfileBar)
#include "test_profilebar.moc"
