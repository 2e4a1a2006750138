// Timings of the operations that run before every upload, each the median of several runs in a
// throw-away program folder, and the window's start-up.

#include "SoakBench.h"
#include "StartupBench.h"
#include "UploadBench.h"
#include "WindowShownBench.h"
#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 21;

// Median of `Runs` timings of `operation`, in milliseconds.
double medianMs(const std::function<void(int run)> &operation)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation(run);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + Runs / 2, times.end());
    return times[Runs / 2];
}

double loadConfigMs()
{
    return medianMs([](int) {
        ConfigData config;
        LoadConfig(config);
    });
}

// The usual save before an upload: one slot was edited.
double saveConfigMs()
{
    ConfigData config;
    LoadConfig(config);
    return medianMs([&config](int run) {
        config.profiles[config.ProfileID].dpi = quint8(run % 8);
        SaveConfig(config);
    });
}

// A save with nothing edited: every file is read and compared, none written.
double unchangedSaveConfigMs()
{
    ConfigData config;
    LoadConfig(config);
    SaveConfig(config);
    return medianMs([&config](int) { SaveConfig(config); });
}

double profileLoadMs()
{
    ConfigData config;
    LoadConfig(config);
    const QString path = SlotProfileFile(config.profileNames[0]);
    return medianMs([&path](int) {
        ProfileData profile;
        LoadProfileFile(profile, path);
    });
}

double profileSaveMs()
{
    ProfileData profile;
    MakeFactoryProfile(profile);
    const QString path = AppPaths::slotProfileDir() + QStringLiteral("/Bench.prof");
    return medianMs([&](int run) {
        profile.dpi = quint8(run % 8);
        SaveProfileFileAt(profile, path);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    // The start-up figures come from a fresh process, so that nothing measured before counts.
    if (argc == 3 && qstrcmp(argv[1], "--startup-child") == 0)
        return runStartupChild(argc, argv);
    // --startup [ROUNDS [PROGRAM]]: the window's start timed from outside against an empty window.
    if (argc >= 2 && qstrcmp(argv[1], "--startup") == 0) {
        QCoreApplication app(argc, argv);
        return runWindowShownBench(argc >= 3 ? qMax(1, std::atoi(argv[2])) : 9,
                                   argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());
    }
    // --soak [DIVISOR]: the long run alone; a divisor shortens it for a quick look.
    if (argc >= 2 && qstrcmp(argv[1], "--soak") == 0)
        return runSoak(argc, argv, argc >= 3 ? qMax(1, std::atoi(argv[2])) : 1);
    QCoreApplication app(argc, argv);
    const QString startup = startupFigures(QCoreApplication::applicationFilePath());
    const QString productDefinition = AppPaths::productDefinitionFile();
    const QString installedSettings = AppPaths::globalConfigFile();
    QTemporaryDir dir;
    AppPaths::setAppDir(dir.path());
    QFile::copy(productDefinition, AppPaths::productDefinitionFile());
    QDir().mkpath(AppPaths::configsDir());
    QFile::copy(installedSettings, AppPaths::globalConfigFile());
    QFile::setPermissions(AppPaths::globalConfigFile(), QFile::ReadOwner | QFile::WriteOwner);
    ConfigData factory;
    MakeFactoryConfig(factory);
    SaveConfig(factory);

    QTextStream out(stdout);
    out << "LoadConfig: " << QString::number(loadConfigMs(), 'f', 2) << " ms (aim <= 15 ms)\n";
    out << "SaveConfig: " << QString::number(saveConfigMs(), 'f', 2) << " ms (aim <= 10 ms)\n";
    out << "SaveConfig, nothing changed: " << QString::number(unchangedSaveConfigMs(), 'f', 2) << " ms\n";
    out << "Profile file load: " << QString::number(profileLoadMs(), 'f', 2) << " ms\n";
    out << "Profile file save: " << QString::number(profileSaveMs(), 'f', 2) << " ms\n";
    out << uploadFigure() << "\n";
    out << startup << "\n";
    return 0;
}
