#pragma once

#include <QtGlobal>

#include <functional>

// Reads one report from a source that may also carry reports of other collections: reports whose first byte
// is not reportId are dropped until one matches or the time-out runs out. The caller's buffer is touched only
// for a matching report, so a dropped pointer report never replaces the previous reply.
using RawRead = std::function<int(quint8* data, int length, int timeoutMs)>;
using MonotonicMs = std::function<qint64()>;

int readReportWithId(const RawRead& read, quint8 reportId, quint8* data, int length, int timeoutMs,
                     const MonotonicMs& now);

// readReportWithId on the system's clock for a handle that delivers only reports of inputReportId, or every
// report when inputReportId is negative.
int readFilteredReport(const RawRead& read, int inputReportId, quint8* data, int length, int timeoutMs);
