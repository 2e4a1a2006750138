#include "virtualmouse/VirtualMouseScenario.h"

#include "storage/Product.h"
#include "virtualmouse/VirtualMouse.h"
#include "virtualmouse/VirtualMouseTimeline.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// A number in decimal or, with "0x", in hex; `fallback` when absent or not a number.
int number(const QSettings &scenario, const char *key, int fallback)
{
    bool ok = false;
    const int value = scenario.value(QLatin1String(key)).toString().toInt(&ok, 0);
    return ok ? value : fallback;
}

void applyIds(VirtualMouse &mouse, const QSettings &scenario)
{
    // The ids the installation's product definition names.
    const Product product = Product::load();
    const int vid1 = product.receiverVid, pid1 = product.receiverPid;
    const int vid2 = product.cableVid, pid2 = product.cablePid;
    mouse.setUsbIds(VirtualMouse::Receiver, quint16(number(scenario, "Mouse/ReceiverVid", vid1)),
                    quint16(number(scenario, "Mouse/ReceiverPid", pid1)));
    mouse.setUsbIds(VirtualMouse::Cable, quint16(number(scenario, "Mouse/CableVid", vid2)),
                    quint16(number(scenario, "Mouse/CablePid", pid2)));
    const int receiverRelease = number(scenario, "Mouse/ReceiverRelease", -1);
    if (receiverRelease >= 0)
        mouse.setReleaseNumber(VirtualMouse::Receiver, quint16(receiverRelease));
    const int cableRelease = number(scenario, "Mouse/CableRelease", -1);
    if (cableRelease >= 0)
        mouse.setReleaseNumber(VirtualMouse::Cable, quint16(cableRelease));
}

// [Timeline]: "<ms>=<event>[, <event>...]"; a bad entry is left out with a warning.
void applyTimeline(VirtualMouse &mouse, QSettings &scenario)
{
    scenario.beginGroup(QStringLiteral("Timeline"));
    for (const QString &key : scenario.childKeys()) {
        bool ok = false;
        const int ms = key.toInt(&ok);
        const QStringList events = scenario.value(key).toStringList();
        for (const QString &event : events) {
            if (!ok || !mouse.timeline()->add(ms, event))
                qWarning("Virtual mouse timeline: '%s=%s' is not an event; left out.", qPrintable(key),
                         qPrintable(event));
        }
    }
    scenario.endGroup();
}

VirtualMouse *fromScenarioFile(const QString &file, QObject *parent)
{
    QSettings scenario(file, QSettings::IniFormat);
    const QString connection
        = scenario.value(QStringLiteral("Mouse/Connection"), QStringLiteral("receiver")).toString();
    const bool receiver = connection == QLatin1String("receiver") || connection == QLatin1String("both");
    const bool cable = connection == QLatin1String("cable") || connection == QLatin1String("both");
    auto *mouse = new VirtualMouse(receiver, cable, parent);
    applyIds(*mouse, scenario);

    VirtualBattery battery;
    battery.low = quint8(number(scenario, "Mouse/BatteryLow", battery.low));
    battery.high = quint8(number(scenario, "Mouse/BatteryHigh", battery.high));
    battery.charge = quint8(number(scenario, "Mouse/Charge", battery.charge));
    battery.status = quint8(number(scenario, "Mouse/Status", battery.status));
    battery.deviceType = quint8(number(scenario, "Mouse/DeviceType", battery.deviceType));
    mouse->setBattery(battery);
    mouse->setAsleep(number(scenario, "Mouse/Asleep", 0) != 0);
    mouse->setAccessDenied(scenario.value(QStringLiteral("Mouse/Access")).toString()
                           == QLatin1String("denied"));
    mouse->setLatency(number(scenario, "Mouse/LatencyMs", 0));
    mouse->setSilence(number(scenario, "Faults/Silence", 0));
    mouse->setWrongHeaderEchoes(number(scenario, "Faults/WrongHeaderEchoes", 0));
    mouse->setWrongPayloadEchoes(number(scenario, "Faults/WrongPayloadEchoes", 0));
    mouse->setReadErrors(number(scenario, "Faults/ReadErrors", 0));
    mouse->setWriteErrors(number(scenario, "Faults/WriteErrors", 0));
    applyTimeline(*mouse, scenario);
    return mouse;
}

} // namespace

VirtualMouse *createVirtualMouse(const QString &description, QObject *parent)
{
    if (description == QLatin1String("receiver"))
        return new VirtualMouse(true, false, parent);
    if (description == QLatin1String("cable"))
        return new VirtualMouse(false, true, parent);
    if (description == QLatin1String("both"))
        return new VirtualMouse(true, true, parent);
    if (QFileInfo(description).isFile())
        return fromScenarioFile(description, parent);
    qWarning("MOUSECFG_VIRTUAL_MOUSE: '%s' is neither receiver, cable, both nor a scenario file; "
             "the virtual mouse has nothing plugged.",
             qPrintable(description));
    return new VirtualMouse(false, false, parent);
}
