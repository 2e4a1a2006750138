#include "UploadBench.h"

#include "device/link/DeviceLink.h"
#include "device/session/MouseSession.h"
#include "device/upload/TarnProcessThread.h"
#include "device/upload/UploadThreadState.h"
#include "storage/AppSettings.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/MacroFile.h"
#include "virtualmouse/VirtualMouse.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr int Runs = 3;
constexpr int MacroButtons = 3;
// Pauses the protocol itself sets: after every report written, and after every macro encoded.
constexpr double PausePerReportMs = 10;
constexpr double PausePerMacroMs = 50;

void prepareConfig(UploadState &state)
{
    ConfigData config;
    LoadConfig(config);
    MakeFactoryConfig(config);
    for (int m = 0; m < MacroButtons; ++m) {
        const QString name = QStringLiteral("bench_%1").arg(m + 1);
        MacroFileData macro;
        macro.count = 40;
        for (int e = 0; e < macro.count; ++e)
            macro.events[e] = { quint8(e % 2 ? 0x04 : 0x84), quint8(4 + e / 2), 0 };
        SaveMacroFile(name, macro);
        ButtonInfo &button = config.profiles[0].buttons[2 + m];
        button.Fun = 200;
        button.macroname = name;
    }
    SaveConfig(config);
    state.UploadSnapshot() = config;
    state.LastSentConfig() = config;
}

} // namespace

QString uploadFigure()
{
    VirtualMouse mouse(true, false);
    MouseSession session(&mouse);
    session.link().BuildDeviceTable();
    session.link().EnumerateDevices();
    session.link().OpenDevice(CurrentProduct().toLatin1().constData());
    prepareConfig(session.upload().state());

    std::vector<double> times;
    int reports = 0;
    for (int run = 0; run < Runs; ++run) {
        mouse.clearReports();
        TarnProcessThread upload(session.upload());
        upload.setSendEverything(true);
        QElapsedTimer timer;
        timer.start();
        upload.start();
        upload.wait();
        times.push_back(timer.nsecsElapsed() / 1e6);
        reports = mouse.reports().size();
        if (upload.status() != ReportOk)
            return QStringLiteral("Full upload: failed with code %1").arg(upload.status());
    }
    session.link().CloseDevice();

    std::sort(times.begin(), times.end());
    const double median = times[Runs / 2];
    const double floor = reports * PausePerReportMs + MacroButtons * PausePerMacroMs;
    return QStringLiteral("Full upload: %1 ms for %2 reports and %3 macros; floor %4 ms; ratio %5")
        .arg(median, 0, 'f', 1)
        .arg(reports)
        .arg(MacroButtons)
        .arg(floor, 0, 'f', 0)
        .arg(median / floor, 0, 'f', 3);
}
