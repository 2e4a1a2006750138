// Pictures of the "APPLICATIONS" dialog as the session's desktop makes it (its first sentence, and on
// GNOME the command and button that turn the shell extension on), for a look by eye
// (scripts/desktop-support-screenshots.sh). Usage: desktop_support_shots OUT_DIR NAME
#include "device/session/MouseSession.h"
#include "storage/AppPaths.h"
#include "ui/main/AppProfilesDialog.h"
#include "ui/main/AppSwitching.h"
#include "ui/main/MousecfgWidget.h"
#include "virtualmouse/HidBackendSelection.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
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
    const QString name = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir dir;
    fillAppDir(dir.path());
    AppPaths::setAppDir(dir.path());
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    const HidBackendChoice backend = chooseHidBackend();
    MouseSession session(backend.backend, MouseSession::WithStatusThread);
    MousecfgWidget window(session, backend.notices);
    window.show();
    QTimer::singleShot(1500, [&] {
        auto *dialog = new AppProfilesDialog(QString(), {}, 0, &window);
        window.appSwitching()->attachDialog(dialog);
        dialog->show();
        QTimer::singleShot(800, [&, dialog] {
            dialog->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
            app.quit();
        });
    });
    return app.exec();
}
