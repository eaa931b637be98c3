// Profile store timings: loadConfig and saveConfig of five full profile files, diffConfig of two full
// configurations. Runs in a temporary data folder, never in the user's settings.

#include "FullConfig.h"
#include "store/AppSettings.h"
#include "store/ConfigFiles.h"
#include "store/DiffConfig.h"
#include "store/ProfileFiles.h"
#include "store/ProfileDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void report(const char* what, int calls, const std::function<void()>& call)
{
    call(); // first call outside the timing: folders, caches
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call();
    const double ms = double(timer.nsecsElapsed()) / 1e6 / calls;
    std::printf("%-44s %10.3f ms per call (%d calls)\n", what, ms, calls);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    if (!writeCurrentProductName(QStringLiteral("OSKEN R5")))
        return 1;

    const ConfigData config = fullConfig();
    bool saved = true;
    report("saveConfig (5 profile files, 8441 keys each)", 10, [&] { saved = saveConfig(config) && saved; });
    ConfigData loaded;
    report("loadConfig (5 profile files, 8441 keys each)", 10, [&] { loadConfig(loaded); });
    // One configuration file holding the five records, as SAVE CONFIGURATION and osken-ctl apply use it.
    const QString file = home.path() + QStringLiteral("/full.conf");
    saved = writeMouseName(file, QStringLiteral("OSKEN R5")) && exportConfig(config, file) && saved;
    ProfileFileResult imported = ProfileFileResult::Done;
    report("importConfig (one file, 5 records)", 10, [&] {
        if (const ProfileFileResult result = importConfig(loaded, file, QStringLiteral("OSKEN R5"));
            result != ProfileFileResult::Done)
            imported = result;
    });

    // Differences only in the last button and lighting scans: the longest path through the comparison.
    ConfigData changed = config;
    changed.slots[4].buttons[41].keys[62].high ^= 1;
    ChangeMask mask = 0;
    report("diffConfig (equal configurations)", 20000, [&] { mask |= diffConfig(config, config); });
    report("diffConfig (last key step differs)", 20000, [&] { mask |= diffConfig(changed, config); });
    if (!saved || imported != ProfileFileResult::Done || mask != ChangeBits::Buttons) {
        std::fprintf(stderr, "unexpected result: saved %d, import %d, mask %u\n", int(saved), int(imported), mask);
        return 1;
    }
    return 0;
}
