#pragma once

#include <algorithm>
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

} // namespace bench
