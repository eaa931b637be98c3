// `osken-ctl apply` of a full configuration file against the floor of its frames: the same battery query and
// full write sent in-process to the same virtual receiver, with the configuration already in memory.
#include "BenchSummary.h"
#include "SettingsSource.h"
#include "device/link/DeviceLink.h"
#include "device/protocol/CommandFrames.h"
#include "device/protocol/InputReports.h"
#include "device/protocol/WriteProfileSet.h"
#include "hid/sim/VirtualReceiver.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/ProfileDefaults.h"
#include "store/ProfileFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kProduct = QStringLiteral("OSKEN R5");

ConfigData fullConfig()
{
    ConfigData config;
    for (int i = 0; i < kSlotCount; ++i) {
        ProfileData& p = config.slot(i);
        setProfileDefaults(p, kProduct);
        p.pollrate = quint8(1 << (i % 4));
        p.scrollspeed = quint8(i + 1);
        for (int m = 0; m < kLedModeCount; ++m)
            p.modes[m].RGB = RgbColor::fromRgb(quint8(m * 18), quint8(255 - m * 18), quint8(i * 50));
        config.slotProfileNames[i] = QStringLiteral("Full %1").arg(i + 1);
    }
    config.ProfileID = 2;
    return config;
}

// The frames alone: open, ask for the battery until it answers, write every section.
double frameFloorMs(const ConfigData& config, int sensor)
{
    QElapsedTimer clock;
    clock.start();
    DeviceLink link(std::make_unique<VirtualReceiver>());
    link.InitDeviceTable();
    link.EnumerateDevices();
    link.OpenDevice(kProduct.toUtf8().constData());
    if (link.writeReport(batteryQueryFrame()) < 0)
        return -1;
    for (;;) {
        Frame reply{};
        const int got = link.readReport(reply.data(), kFrameSize, 50);
        if (got < 0)
            return -1;
        if (got > 0 && decodeBatteryReply(reply.data(), got))
            break;
    }
    WriteProfileContext context;
    context.send = link.sender();
    context.productName = kProduct;
    context.sensorModel = sensor;
    context.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    if (WriteProfileSet(context, config, ChangeBits::All) != DeviceResult::Done)
        return -1;
    link.CloseDevice();
    return double(clock.nsecsElapsed()) / 1e6;
}

double ctlApplyMs(const QString& file)
{
    QProcess ctl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSKEN_VIRTUAL_MOUSE"), QStringLiteral("1"));
    ctl.setProcessEnvironment(env);
    ctl.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    // OSKEN_BENCH_PROGRAMS names another build's program folder to measure.
    const QString other = qEnvironmentVariable("OSKEN_BENCH_PROGRAMS");
    const QString folder = other.isEmpty() ? QStringLiteral(OSKEN_BENCH_BIN_DIR) : other;
    ctl.start(folder + QStringLiteral("/osken-ctl"), {QStringLiteral("apply"), file});
    if (!ctl.waitForFinished(120000) || ctl.exitStatus() != QProcess::NormalExit || ctl.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("OSKEN_RUNTIME_DIR", OSKEN_BENCH_BIN_DIR);
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QString file = home.path() + QStringLiteral("/full.conf");
    const ConfigData config = fullConfig();
    if (!writeCurrentProductName(kProduct) || !writeMouseName(file, kProduct) || !exportConfig(config, file))
        return 1;
    const int sensor = chosenSensor(kProduct, std::nullopt);

    const int runs = bench::runCount();
    std::vector<double> floor, apply, ratio;
    for (int run = 0; run < runs; ++run) {
        const double floorMs = frameFloorMs(config, sensor);
        const double applyMs = ctlApplyMs(file);
        if (floorMs <= 0 || applyMs <= 0) {
            std::fprintf(stderr, "bench_ctl_apply: a write failed\n");
            return 1;
        }
        floor.push_back(floorMs);
        apply.push_back(applyMs);
        ratio.push_back(applyMs / floorMs);
    }
    std::printf("osken-ctl apply of a full configuration, %d runs\n", runs);
    bench::printRow(52, "floor: the same frames in-process", floor, " ms");
    bench::printRow(52, "osken-ctl apply full.conf", apply, " ms");
    bench::printRow(52, "ratio apply / floor", ratio, "x ");
    return 0;
}
