#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Min and median of a benchmark's runs.
struct Summary
{
    double min = 0;
    double median = 0;
};

inline Summary summarise(std::vector<double> values)
{
    Summary summary;
    if (values.empty())
        return summary;
    std::sort(values.begin(), values.end());
    summary.min = values.front();
    const size_t middle = values.size() / 2;
    summary.median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return summary;
}

// Prints one row: its name padded to `width`, then min and median with their unit.
inline void printRow(int width, const char* what, const std::vector<double>& values, const char* unit)
{
    const Summary s = summarise(values);
    std::printf("%-*s min %8.2f%s  median %8.2f%s\n", width, what, s.min, unit, s.median, unit);
}

// Number of runs: OSKEN_BENCH_RUNS, at least 5.
inline int runCount()
{
    return std::max(5, qEnvironmentVariableIntValue("OSKEN_BENCH_RUNS"));
}

} // namespace bench
