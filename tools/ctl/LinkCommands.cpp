#include "LinkCommands.h"

#include "SettingsSource.h"
#include "device/link/DeviceLink.h"
#include "device/protocol/CommandFrames.h"
#include "device/protocol/InputReports.h"
#include "device/protocol/WriteProfileSet.h"
#include "device/status/BatteryLevel.h"
#include "store/AppSettings.h"

#include <QElapsedTimer>
#include <QThread>

#include <optional>

namespace {

constexpr int kSleepCheckMs = 500; // the status thread waits about as long for a battery reply
constexpr int kStatusListenMs = 1000;
constexpr int kReadSliceMs = 50;

struct Heard
{
    std::optional<BatteryReply> battery;
    std::optional<StatusReport> status;
    bool readFailed = false;
};

// Sends the battery query and reads the command collection for up to `listenMs`; with `untilBattery` it
// stops at the battery reply.
Heard queryAndListen(DeviceLink& link, int listenMs, bool untilBattery)
{
    Heard heard;
    if (link.writeReport(batteryQueryFrame()) < 0) {
        heard.readFailed = true;
        return heard;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < listenMs) {
        Frame reply{};
        const int got = link.readReport(reply.data(), kFrameSize, kReadSliceMs);
        if (got < 0) {
            heard.readFailed = true;
            return heard;
        }
        if (got == 0)
            continue;
        if (auto battery = decodeBatteryReply(reply.data(), got)) {
            heard.battery = battery;
            if (untilBattery)
                return heard;
        } else if (auto status = decodeStatusReport(reply.data(), got)) {
            heard.status = status;
        }
    }
    return heard;
}

// Opens the current product's mouse; false (and a message) when there is no command collection.
bool openMouse(DeviceLink& link, const QString& product, QTextStream& err)
{
    link.InitDeviceTable();
    if (link.EnumerateDevices() < 0) {
        err << "osken-ctl: the HID layer cannot start\n";
        return false;
    }
    link.OpenDevice(product.toUtf8().constData());
    if (!link.hasCommandHandle()) {
        err << "osken-ctl: no mouse \"" << product << "\" found\n";
        return false;
    }
    return true;
}

QString rateText(quint8 code)
{
    switch (code) {
    case 1:
        return QStringLiteral("1000 Hz");
    case 2:
        return QStringLiteral("500 Hz");
    case 4:
        return QStringLiteral("250 Hz");
    case 8:
        return QStringLiteral("125 Hz");
    default:
        return QStringLiteral("code %1").arg(code);
    }
}

} // namespace

int runApply(const CtlRequest& request, std::unique_ptr<HidBackend> backend, QTextStream& err)
{
    const QString product = chosenProduct(std::nullopt);
    ConfigData config;
    QString error;
    const int loaded = loadSettingsFile(request.file, product, config, error);
    if (loaded != CtlExit::Done) {
        err << "osken-ctl: " << error << "\n";
        return loaded;
    }
    DeviceLink link(std::move(backend));
    if (!openMouse(link, product, err))
        return CtlExit::NoDevice;
    // A sleeping mouse echoes nothing and the verified write would count that as done: refuse it first.
    const Heard heard = queryAndListen(link, kSleepCheckMs, true);
    if (heard.readFailed || (heard.battery && heard.battery->isAsleep())) {
        err << "osken-ctl: the mouse is sleeping or not connected\n";
        return CtlExit::Asleep;
    }

    WriteProfileContext context;
    context.send = link.sender();
    context.productName = product;
    context.sensorModel = chosenSensor(product, std::nullopt);
    context.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    const quint8 result = WriteProfileSet(context, config, ChangeBits::All);
    // The mouse no longer holds the stored configuration, so the program's next write must send all. A flag
    // already set is not written again (a settings write waits for the disk).
    if (readDiff() != 1)
        writeDiff(1);
    link.CloseDevice();
    if (result != DeviceResult::Done)
        err << "osken-ctl: the write failed with device result " << result << "\n";
    return result;
}

int runStatus(std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
{
    DeviceLink link(std::move(backend));
    if (!openMouse(link, chosenProduct(std::nullopt), err))
        return CtlExit::NoDevice;
    const Heard heard = queryAndListen(link, kStatusListenMs, false);
    link.CloseDevice();
    if (heard.readFailed || (heard.battery && heard.battery->isAsleep())) {
        err << "osken-ctl: the mouse is sleeping or not connected\n";
        return CtlExit::Asleep;
    }
    if (!heard.battery) {
        err << "osken-ctl: the mouse did not answer the battery query\n";
        return CtlExit::GaveUp;
    }
    out << "battery: " << batteryPercent(heard.battery->low, heard.battery->high) << "%\n";
    out << "charging: " << (heard.battery->charging != 0 ? "yes" : "no") << "\n";
    if (heard.status) {
        out << "status: profile " << heard.status->profile + 1 << ", DPI stage " << heard.status->dpiStage + 1
            << ", rate " << rateText(heard.status->rate) << "\n";
    } else {
        out << "status: none seen\n";
    }
    return CtlExit::Done;
}

int runList(std::unique_ptr<HidBackend> backend, QTextStream& out, QTextStream& err)
{
    DeviceLink link(std::move(backend));
    link.InitDeviceTable();
    if (link.EnumerateDevices() < 0) {
        err << "osken-ctl: the HID layer cannot start\n";
        return CtlExit::NoDevice;
    }
    auto pathText = [](const char(&field)[kDevicePathSize], quint32 present) {
        return present ? QString::fromLocal8Bit(devicePath(field)) : QStringLiteral("-");
    };
    int found = 0;
    const MouseDescriptorTable& table = link.deviceTable();
    for (quint32 i = 0; i < table.count && i < quint32(kMaxMouseDescriptors); ++i) {
        const MouseDescriptor& e = table.entries[i];
        const QString name = QString::fromUtf8(descriptorProductName(e));
        // Tab-separated: product names hold spaces.
        if (e.presentA1 || e.presentA2) {
            out << name << QString::asprintf("\t%04x:%04x\t", e.vendorIdA, e.productIdA)
                << pathText(e.pathA1, e.presentA1) << "\t" << pathText(e.pathA2, e.presentA2) << "\n";
            ++found;
        }
        if (e.presentB1 || e.presentB2) {
            out << name << QString::asprintf("\t%04x:%04x\t", e.vendorIdB, e.productIdB)
                << pathText(e.pathB1, e.presentB1) << "\t" << pathText(e.pathB2, e.presentB2) << "\n";
            ++found;
        }
    }
    if (found == 0) {
        err << "osken-ctl: no receiver found\n";
        return CtlExit::NoDevice;
    }
    return CtlExit::Done;
}
