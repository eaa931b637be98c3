#include "MouseCommands.h"

#include "CtlOutput.h"
#include "SettingsSource.h"
#include "device/protocol/WriteProfileSet.h"
#include "device/status/BatteryLevel.h"
#include "editors/core/ReportRate.h"
#include "store/AppSettings.h"

#include <QThread>

int runApplyOn(const PendingSettingsFile& file, DeviceLink& link, const std::function<bool(QString&)>& openMouse,
               QTextStream& err)
{
    QString error;
    const bool bOpened = openMouse(error);
    const bool bAwake = bOpened && link.askBatteryState() == MouseWake::Awake;
    const PendingSettingsFile::Loaded& loaded = file.get();
    if (loaded.exit != CtlExit::Done) {
        err << "osken-ctl: " << loaded.error << "\n";
        return loaded.exit;
    }
    if (!bOpened) {
        err << "osken-ctl: " << error << "\n";
        return CtlExit::NoDevice;
    }
    // A sleeping mouse echoes nothing and the verified write would count that as done: refuse it first.
    if (!bAwake) {
        err << "osken-ctl: the mouse is sleeping or not connected\n";
        return CtlExit::Asleep;
    }

    WriteProfileContext context;
    context.send = link.sender();
    context.productName = file.product();
    context.sensorModel = chosenSensor(file.product(), std::nullopt);
    context.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    context.echoedFrames = [&link] { return link.echoedFrames(); };
    const quint8 result = WriteProfileSet(context, loaded.config, ChangeBits::All);
    // The mouse no longer holds the stored configuration, so the program's next write must send all. A flag
    // already set is not written again (a settings write waits for the disk).
    if (readDiff() != 1)
        writeDiff(1);
    if (result == DeviceResult::Asleep)
        err << "osken-ctl: the mouse echoed nothing: it is sleeping or not connected\n";
    else if (result != DeviceResult::Done)
        err << "osken-ctl: the write failed with device result " << result << "\n";
    return result;
}

int printStatus(const CtlRequest& request, const StatusHeard& heard, QTextStream& out, QTextStream& err)
{
    if (heard.asleep || (heard.battery && heard.battery->isAsleep())) {
        err << "osken-ctl: the mouse is sleeping or not connected\n";
        return CtlExit::Asleep;
    }
    if (!heard.battery) {
        err << "osken-ctl: the mouse did not answer the battery query\n";
        return CtlExit::GaveUp;
    }
    const int percent = batteryPercent(heard.battery->low, heard.battery->high);
    const bool charging = heard.battery->charging != 0;
    const std::optional<StatusReport>& status = heard.status;
    if (request.json) {
        const int hz = status ? rateHz(status->rate) : 0;
        out << jsonLine({{"battery", percent},
                         {"charging", charging},
                         {"profile", jsonNumber(status ? std::optional<int>(status->profile + 1) : std::nullopt)},
                         {"dpiStage", jsonNumber(status ? std::optional<int>(status->dpiStage + 1) : std::nullopt)},
                         {"rateHz", jsonNumber(hz != 0 ? std::optional<int>(hz) : std::nullopt)}});
        return CtlExit::Done;
    }
    out << "battery: " << percent << "%\n";
    out << "charging: " << (charging ? "yes" : "no") << "\n";
    if (status) {
        out << "status: profile " << status->profile + 1 << ", DPI stage " << status->dpiStage + 1 << ", rate "
            << rateWords(status->rate) << "\n";
    } else {
        out << "status: none seen\n";
    }
    return CtlExit::Done;
}
