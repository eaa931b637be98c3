#include "hid/hidapi/ReportFilter.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

int readReportWithId(const RawRead& read, quint8 reportId, quint8* data, int length, int timeoutMs,
                     const MonotonicMs& now)
{
    if (length <= 0)
        return read(data, length, timeoutMs);
    std::vector<quint8> report(static_cast<size_t>(length));
    const qint64 deadline = now() + std::max(timeoutMs, 0);
    for (;;) {
        const int wait = timeoutMs < 0 ? -1 : static_cast<int>(std::max<qint64>(deadline - now(), 0));
        const int got = read(report.data(), length, wait);
        if (got <= 0)
            return got;
        if (report[0] == reportId) {
            std::copy(report.begin(), report.begin() + std::min(got, length), data);
            return got;
        }
        if (timeoutMs >= 0 && now() >= deadline)
            return 0;
    }
}

int readFilteredReport(const RawRead& read, int inputReportId, quint8* data, int length, int timeoutMs)
{
    if (inputReportId < 0)
        return read(data, length, timeoutMs);
    QElapsedTimer clock;
    clock.start();
    return readReportWithId(read, static_cast<quint8>(inputReportId), data, length, timeoutMs,
                            [&clock] { return clock.elapsed(); });
}
