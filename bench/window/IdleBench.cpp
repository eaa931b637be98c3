// Idle: wake-ups (context switches of all threads) and processor time of the program with the virtual mouse
// connected, window shown and then hidden, against the bare Qt program over the same seconds. The bare program
// with one more thread that wakes once per status pass gives the floor of those timings: the status thread
// must wake that often, and what a wake-up costs depends on the process's size as well as on the machine.
// OSKEN_BENCH_SECONDS sets the length of each phase (30 by default).
#include "WindowProbe.h"
#include "device/status/OrnGetBatteryThread.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {

struct Phase
{
    std::vector<double> wakeups; // per second
    std::vector<double> cpuMs;   // per 30 s
};

void measure(const std::vector<qint64>& pids, std::vector<Phase*> phases, int seconds)
{
    std::vector<std::map<qint64, bench::ThreadCounters>> before;
    for (qint64 pid : pids)
        before.push_back(bench::threadCounters(pid));
    QThread::sleep(static_cast<unsigned long>(seconds));
    for (size_t i = 0; i < pids.size(); ++i) {
        const bench::ThreadCounters used = bench::countersBetween(before[i], bench::threadCounters(pids[i]));
        phases[i]->wakeups.push_back(double(used.switches) / seconds);
        phases[i]->cpuMs.push_back(double(used.cpuNs) / 1e6 * 30.0 / seconds);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    bench::Display display;
    if (!display.isValid()) {
        std::fprintf(stderr, "bench_idle: no X display (is Xvfb installed?)\n");
        return 1;
    }
    const int seconds =
        qEnvironmentVariableIsSet("OSKEN_BENCH_SECONDS") ? qEnvironmentVariableIntValue("OSKEN_BENCH_SECONDS") : 30;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Phase mainShown, mainHidden, bareShown, bareHidden, floorShown, floorHidden;
    const StatusTiming timing;
    bench::Program passFloor = bench::bareProgram(display.name(), runtime.path());
    passFloor.arguments << QStringLiteral("--wait-every")
                        << QString::number(timing.readTimeoutMs + timing.afterListenMs);
    for (int run = 0; run < bench::runCount(); ++run) {
        QTemporaryDir home;
        bench::Started program =
            bench::startUntilMapped(display, bench::mainProgram(display.name(), home.path(), runtime.path()));
        bench::Started bare = bench::startUntilMapped(display, bench::bareProgram(display.name(), runtime.path()));
        bench::Started floor = bench::startUntilMapped(display, passFloor);
        if (program.mapMs <= 0 || bare.mapMs <= 0 || floor.mapMs <= 0) {
            std::fprintf(stderr, "bench_idle: a window was not mapped in time\n");
            return 1;
        }
        const std::vector<qint64> pids{program.process->processId(), bare.process->processId(),
                                       floor.process->processId()};
        QThread::sleep(5); // start-up work, the first paint and the first battery query are over
        measure(pids, {&mainShown, &bareShown, &floorShown}, seconds);
        for (qint64 pid : pids)
            bench::unmapWindows(display, pid);
        QThread::sleep(1);
        measure(pids, {&mainHidden, &bareHidden, &floorHidden}, seconds);
        bench::stop(*program.process);
        bench::stop(*bare.process);
        bench::stop(*floor.process);
    }
    std::printf("idle for %d s per phase, %d runs          wake-ups/s min, median   CPU ms per 30 s min, median\n",
                seconds, bench::runCount());
    const auto row = [](const char* what, const Phase& phase) {
        const bench::Summary w = bench::summarise(phase.wakeups);
        const bench::Summary c = bench::summarise(phase.cpuMs);
        std::printf("%-40s %8.2f %8.2f            %8.2f %8.2f\n", what, w.min, w.median, c.min, c.median);
    };
    row("osken-config, window shown", mainShown);
    row("osken-config, window hidden", mainHidden);
    row("bare Qt window, shown", bareShown);
    row("bare Qt window, hidden", bareHidden);
    row("bare Qt window + pass wake-ups, shown", floorShown);
    row("bare Qt window + pass wake-ups, hidden", floorHidden);
    // The program's CPU against the floor, run by run.
    const auto ratio = [](const char* what, const Phase& program, const Phase& floor) {
        std::vector<double> ratios;
        for (size_t i = 0; i < program.cpuMs.size(); ++i)
            ratios.push_back(floor.cpuMs[i] > 0 ? program.cpuMs[i] / floor.cpuMs[i] : 0);
        const bench::Summary r = bench::summarise(ratios);
        std::printf("%-40s                                %7.2fx %7.2fx\n", what, r.min, r.median);
    };
    ratio("CPU against the floor, shown", mainShown, floorShown);
    ratio("CPU against the floor, hidden", mainHidden, floorHidden);
    return 0;
}
