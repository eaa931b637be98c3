#include "device/link/StatusReportRelay.h"

#include "device/protocol/InputReports.h"

void StatusReportRelay::handOver(const Frame& report)
{
    if (const auto status = decodeStatusReport(report.data(), kFrameSize)) {
        ++m_statusReports;
        Q_EMIT RefreshStatus(status->profile, status->dpiStage, status->rate, status->extra);
    } else if (const auto battery = decodeBatteryReply(report.data(), kFrameSize)) {
        Q_EMIT RefreshBatteryStatus(battery->charging, battery->low, battery->high);
        // A sleeping mouse's zeros say nothing about its stored settings.
        if (!battery->isAsleep())
            Q_EMIT RefreshWriteStatus(battery->writeStatus);
    }
}
