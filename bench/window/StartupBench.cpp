// Start-up: time from starting the program until its main window is mapped, against the bare Qt program
// (bench_bare_window) in the same run. First start: an empty settings folder; warm start: the folder the
// first start left. Runs on its own Xvfb server (or on OSKEN_BENCH_DISPLAY).
#include "WindowProbe.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    bench::Display display;
    if (!display.isValid()) {
        std::fprintf(stderr, "bench_startup: no X display (is Xvfb installed?)\n");
        return 1;
    }
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::vector<double> bare, first, warm, firstRatio, warmRatio;
    for (int run = 0; run < bench::runCount(); ++run) {
        QTemporaryDir home;
        bench::Started baseline = bench::startUntilMapped(display, bench::bareProgram(display.name(), runtime.path()));
        bench::stop(*baseline.process);
        bench::Started fresh =
            bench::startUntilMapped(display, bench::mainProgram(display.name(), home.path(), runtime.path()));
        bench::stop(*fresh.process);
        bench::Started again =
            bench::startUntilMapped(display, bench::mainProgram(display.name(), home.path(), runtime.path()));
        bench::stop(*again.process);
        if (baseline.mapMs <= 0 || fresh.mapMs <= 0 || again.mapMs <= 0) {
            std::fprintf(stderr, "bench_startup: a window was not mapped in time\n");
            return 1;
        }
        bare.push_back(baseline.mapMs);
        first.push_back(fresh.mapMs);
        warm.push_back(again.mapMs);
        firstRatio.push_back(fresh.mapMs / baseline.mapMs);
        warmRatio.push_back(again.mapMs / baseline.mapMs);
    }
    std::printf("exec -> window mapped, %zu runs\n", bare.size());
    bench::printRow(40, "bare Qt window", bare, " ms");
    bench::printRow(40, "osken-config, first start", first, " ms");
    bench::printRow(40, "osken-config, warm start", warm, " ms");
    bench::printRow(40, "ratio first start / bare", firstRatio, "x ");
    bench::printRow(40, "ratio warm start / bare", warmRatio, "x ");
    return 0;
}
