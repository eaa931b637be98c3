#pragma once

#include <QtGlobal>

#include <optional>

// Decoders of the reports the mouse sends on the command collection. Input is untrusted: a short buffer or
// another kind of report gives "not this report", never a read past the data.

struct BatteryReply
{
    quint8 low = 0;         // battery reading, low byte
    quint8 high = 0;        // battery reading, high byte
    quint8 charging = 0;    // 0 = not charging
    quint8 writeStatus = 0; // 0 = the stored settings need a full write
    // All-zero readings are the receiver's answer for a sleeping or unreachable mouse.
    bool isAsleep() const { return low == 0 && high == 0 && charging == 0; }
};

struct StatusReport
{
    quint8 profile = 0;
    quint8 dpiStage = 0;
    quint8 rate = 0; // report-rate code 1, 2, 4, 8
    quint8 extra = 0;
};

std::optional<BatteryReply> decodeBatteryReply(const quint8* data, int length);
std::optional<StatusReport> decodeStatusReport(const quint8* data, int length);
