// Memory: proportional set size (PSS) of the idle program with the virtual mouse connected, against the bare
// Qt program, each measured alone a few seconds after its window is mapped.
#include "WindowProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    bench::Display display;
    if (!display.isValid()) {
        std::fprintf(stderr, "bench_memory: no X display (is Xvfb installed?)\n");
        return 1;
    }
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::vector<double> bare, program, ratio;
    const auto idlePss = [&display](const bench::Program& what) {
        bench::Started started = bench::startUntilMapped(display, what);
        if (started.mapMs <= 0)
            return -1.0;
        QThread::sleep(3);
        const double kb = double(bench::pssKb(started.process->processId()));
        bench::stop(*started.process);
        return kb;
    };
    for (int run = 0; run < bench::runCount(); ++run) {
        QTemporaryDir home;
        const double baseline = idlePss(bench::bareProgram(display.name(), runtime.path()));
        const double measured = idlePss(bench::mainProgram(display.name(), home.path(), runtime.path()));
        if (baseline <= 0 || measured <= 0) {
            std::fprintf(stderr, "bench_memory: a window was not mapped in time, or its memory not readable\n");
            return 1;
        }
        bare.push_back(baseline / 1024);
        program.push_back(measured / 1024);
        ratio.push_back(measured / baseline);
    }
    std::printf("idle PSS, %zu runs\n", bare.size());
    bench::printRow(40, "bare Qt window", bare, " MB");
    bench::printRow(40, "osken-config", program, " MB");
    bench::printRow(40, "ratio osken-config / bare", ratio, "x ");
    return 0;
}
