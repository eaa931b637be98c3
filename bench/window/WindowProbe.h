#pragma once

#include "BenchSummary.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <vector>

// What the window benchmarks share: an X server of their own, starting a program and timing it until its
// window is mapped, and what a process shows of itself in /proc.
namespace bench {

class RootWatch;

// An Xvfb server for the benchmark (its own display number), unless OSKEN_BENCH_DISPLAY names one, and one
// connection to it that watches the top-level windows.
class Display
{
public:
    Display();
    ~Display();
    bool isValid() const;
    QString name() const { return m_name; }
    RootWatch& watch() { return *m_watch; }

private:
    std::unique_ptr<QProcess> m_server;
    QString m_name;
    std::unique_ptr<RootWatch> m_watch;
};

// Where the measured programs are: this build's, or another build's folder named by OSKEN_BENCH_PROGRAMS.
QString programFolder();
// The main program with the virtual mouse and throw-away settings, or the bare Qt program.
struct Program
{
    QString path;
    QStringList arguments;
    QProcessEnvironment environment;
};
Program mainProgram(const QString& display, const QString& dataHome, const QString& runtimeDir);
Program bareProgram(const QString& display, const QString& runtimeDir);

// A program started and its first top-level window mapped, mapMs after the start.
struct Started
{
    std::unique_ptr<QProcess> process;
    double mapMs = -1;
};
Started startUntilMapped(Display& display, const Program& program, int timeoutMs = 30000);
void stop(QProcess& process);

// Context switches and time on the processor, per thread.
struct ThreadCounters
{
    quint64 switches = 0;
    quint64 cpuNs = 0;
};
std::map<qint64, ThreadCounters> threadCounters(qint64 pid);
// Switches and processor time between two readings, thread by thread (a new thread counts from zero).
ThreadCounters countersBetween(const std::map<qint64, ThreadCounters>& before,
                               const std::map<qint64, ThreadCounters>& after);
qint64 pssKb(qint64 pid);
// Unmaps the process's windows, as hiding them does.
void unmapWindows(Display& display, qint64 pid);

} // namespace bench
