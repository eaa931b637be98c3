// Frame building timings: every frame of a full write (all four sections) built for the default profile set,
// without a device. Runs in a temporary data folder, never in the user's settings.

#include "device/protocol/CommandFrames.h"
#include "device/protocol/DpiCodes.h"
#include "device/protocol/WriteProfileSet.h"
#include "store/AppSettings.h"
#include "store/DataPaths.h"
#include "store/ProfileDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

const QString kProduct = QStringLiteral("OSKEN R5");
constexpr int kSensor = 3325;

ConfigData defaultConfig()
{
    ConfigData config;
    for (int i = 0; i < kSlotCount; ++i) {
        setProfileDefaults(config.slots[i], kProduct);
        config.slotProfileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
    }
    return config;
}

// The eight front buttons of slot 0 each run their own macro of 40 key events.
ConfigData macroConfig()
{
    ConfigData config = defaultConfig();
    QDir().mkpath(macroDirectory());
    for (int b = 0; b < 8; ++b) {
        ButtonInfo& record = config.slots[0].buttons[b];
        record.Fun = 200;
        record.LoopNumber = 1;
        record.macroname = QStringLiteral("bench %1").arg(b);
        QSettings file(macroDirectory() + QLatin1Char('/') + record.macroname + QStringLiteral(".MSMACRO"),
                       QSettings::IniFormat);
        file.setValue(QStringLiteral("Setting/Count"), 40);
        for (int e = 0; e < 40; ++e) {
            file.setValue(QStringLiteral("Setting/Map_%1").arg(e), 1 + e % 2);
            file.setValue(QStringLiteral("Setting/DataL_%1").arg(e), 0x1E + e / 2);
            file.setValue(QStringLiteral("Setting/DataH_%1").arg(e), 0);
        }
    }
    return config;
}

void report(const char* what, int calls, const std::function<int()>& call)
{
    call(); // first call outside the timing: folders, caches
    QElapsedTimer timer;
    timer.start();
    long frames = 0;
    for (int i = 0; i < calls; ++i)
        frames += call();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("%-52s %9.2f us per call, %5ld frames per call, %12.0f frames/s (%d calls)\n", what,
                seconds * 1e6 / calls, frames / calls, double(frames) / seconds, calls);
}

int fullWrite(const ConfigData& config)
{
    int frames = 0;
    WriteProfileContext context;
    context.productName = kProduct;
    context.sensorModel = kSensor;
    context.send = [&frames](const Frame&) -> quint8 {
        ++frames;
        return DeviceResult::Done;
    };
    (void)WriteProfileSet(context, config, ChangeBits::All);
    return frames;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    if (!writeCurrentProductName(kProduct))
        return 1;

    const ConfigData config = defaultConfig();
    report("encoders only (settings, buttons, DPI, lighting, reloads)", 20000, [&] {
        ButtonTable table;
        MacroSlotMap slots;
        ConfigData copy = config;
        fillButtonTable(copy.slots[0], kProduct, kSensor, table, slots);
        return int(encodeSettingsBlock(config).size() + encodeButtonTable(table.bytes).size() +
                   encodeDpiStages(config.slots[0], kSensor).size() + encodeLightingTable(config.slots[0]).size() +
                   encodeReloadAll().size());
    });
    report("WriteProfileSet, all sections, no macros", 20000, [&] { return fullWrite(config); });
    const ConfigData withMacros = macroConfig();
    report("WriteProfileSet, all sections, 8 macro files", 200, [&] { return fullWrite(withMacros); });
    return 0;
}
