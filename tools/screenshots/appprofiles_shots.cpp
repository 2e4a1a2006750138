// Pictures of the "APPLICATIONS" dialog and of the window's profile bar with its button, for a look by
// eye (scripts/appprofiles-screenshots.sh). Usage: appprofiles_shots OUT_DIR LANGUAGE_INDEX
#include "appprofiles/AppProfileFile.h"
#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"
#include "storage/AppSettings.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/widgets/TarnPushButton.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A program folder of its own: the build's skin and translations, the shipped Configs.
void fillAppDir(const QString &dir)
{
    const QString built = QStringLiteral(MOUSECFG_APPDIR);
    QFile::link(built + QStringLiteral("/skin"), dir + QStringLiteral("/skin"));
    QFile::link(built + QStringLiteral("/lang"), dir + QStringLiteral("/lang"));
    const QString data = QStringLiteral(MOUSECFG_SOURCE_DIR "/data");
    QFile::copy(data + QStringLiteral("/DefaultProfile.bin"), dir + QStringLiteral("/DefaultProfile.bin"));
    QDirIterator it(data + QStringLiteral("/Configs"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = dir + QStringLiteral("/Configs") + source.mid(data.size() + 8);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 64;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int language = QString::fromLocal8Bit(argv[2]).toInt();
    QTemporaryDir dir;
    fillAppDir(dir.path());
    AppPaths::setAppDir(dir.path());
    SaveLanguage(language);
    AppProfileRules rules;
    rules.setRule(QStringLiteral("supertuxkart"), 2);
    rules.setRule(QStringLiteral("gimp-2.10"), 1);
    rules.setRule(QStringLiteral("Blender"), 4);
    rules.setDefaultSlot(0);
    AppProfileFile::save(rules);
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");

    const HidBackendChoice backend = chooseHidBackend();

    MouseSession session(backend.backend, MouseSession::WithStatusThread);

    MousecfgWidget window(session, backend.notices);
    window.show();
    const QString suffix = QStringLiteral("-%1.png").arg(language);
    QTimer::singleShot(1500, [&] {
        window.grab().save(out + QStringLiteral("/window") + suffix);
        const auto openPrograms = [] {
            return QStringList { QStringLiteral("firefox-esr"), QStringLiteral("supertuxkart") };
        };
        auto *dialog
            = new AppProfilesDialog(window.appSwitching()->supportSentence(), openPrograms, 0, &window);
        dialog->show();
        QTimer::singleShot(800, [&, dialog] {
            dialog->grab().save(out + QStringLiteral("/dialog") + suffix);
            // As the button shows it, without the button's own modal wait.
            dialog->addMenu()->popup(
                dialog->addButton()->mapToGlobal(QPoint(0, dialog->addButton()->height())));
        });
        QTimer::singleShot(1600, [&, dialog] {
            dialog->addMenu()->grab().save(out + QStringLiteral("/addmenu") + suffix);
            dialog->addMenu()->close();
            delete dialog;
            AppProfileFile::save(AppProfileRules());
            auto *empty
                = new AppProfilesDialog(window.appSwitching()->supportSentence(), openPrograms, 0, &window);
            empty->show();
            QTimer::singleShot(800, [&, empty] {
                empty->grab().save(out + QStringLiteral("/dialog-empty") + suffix);
                app.quit();
            });
        });
    });
    return app.exec();
}
