#include "ProgramSession.h"
#include "ScriptedPrompts.h"
#include "TestAppDir.h"
#include "storage/ConfigStore.h"

#include <QtTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>

#include <cstdarg>

// Every file the user-interface thread opens while the hook counts. The hook replaces the C library's
// open calls for this executable: Qt's own file access reaches them through the dynamic linker.
namespace {

struct OpenHook
{
    bool counting = false;
    pthread_t thread {};
    QStringList paths;
};

OpenHook &hook()
{
    static OpenHook instance;
    return instance;
}

void noteOpen(const char *path)
{
    OpenHook &h = hook();
    if (h.counting && pthread_equal(pthread_self(), h.thread))
        h.paths << QString::fromLocal8Bit(path);
}

template<typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

mode_t modeOf(int flags, va_list args)
{
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? mode_t(va_arg(args, int)) : 0;
}

} // namespace

extern "C" {
int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    noteOpen(path);
    static const auto real = next<int (*)(const char *, int, ...)>("open");
    return real(path, flags, mode);
}
int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    noteOpen(path);
    static const auto real = next<int (*)(const char *, int, ...)>("open64");
    return real(path, flags, mode);
}
int openat(int dir, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    noteOpen(path);
    static const auto real = next<int (*)(int, const char *, int, ...)>("openat");
    return real(dir, path, flags, mode);
}
int openat64(int dir, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeOf(flags, args);
    va_end(args);
    noteOpen(path);
    static const auto real = next<int (*)(int, const char *, int, ...)>("openat64");
    return real(dir, path, flags, mode);
}
}

// A repaint draws from what the window already holds: no file is opened while any tab paints.
class TestPaintFiles : public QObject
{
    Q_OBJECT
private slots:
    void repaintOpensNoFile_data();
    void repaintOpensNoFile();
};

void TestPaintFiles::repaintOpensNoFile_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("first tab") << 0;
    QTest::newRow("second tab") << 1;
    QTest::newRow("third tab") << 2;
    QTest::newRow("fourth tab") << 3;
}

void TestPaintFiles::repaintOpensNoFile()
{
    QFETCH(int, tab);
    TestAppDir dir(TestAppDir::Installed);
    ConfigData config;
    LoadConfig(config);
    QVERIFY(SaveConfig(config));
    ScriptedPrompts prompts;
    qputenv("MOUSECFG_VIRTUAL_MOUSE", "receiver");
    const auto restore = qScopeGuard([] { qunsetenv("MOUSECFG_VIRTUAL_MOUSE"); });
    ProgramSession program;
    MousecfgWidget window(program.session, program.takeNotices());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.switchTab(tab);
    QTest::qWait(50);
    window.grab(); // the first paint of this tab may load what it draws

    OpenHook &h = hook();
    h.thread = pthread_self();
    h.paths.clear();
    h.counting = true;
    window.repaint();
    window.grab();
    h.counting = false;
    QVERIFY2(h.paths.isEmpty(), qPrintable(h.paths.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPaintFiles)
#include "test_paintfiles.moc"
