#include "device/protocol/InputReports.h"

#include "device/protocol/CommandCodes.h"

namespace {
// Byte 3 names the kind; bytes 4..7 carry the values.
constexpr int kKind = 3;
constexpr int kValue = 4;
constexpr int kMinimumLength = kValue + 4;

bool isKind(const quint8* data, int length, quint8 kind)
{
    return data != nullptr && length >= kMinimumLength && data[kKind] == kind;
}
} // namespace

std::optional<BatteryReply> decodeBatteryReply(const quint8* data, int length)
{
    if (!isKind(data, length, ProtocolCommand::Battery))
        return std::nullopt;
    const quint8* v = data + kValue;
    return BatteryReply{v[0], v[1], v[2], v[3]};
}

std::optional<StatusReport> decodeStatusReport(const quint8* data, int length)
{
    if (!isKind(data, length, ProtocolCommand::Status))
        return std::nullopt;
    const quint8* v = data + kValue;
    return StatusReport{v[0], v[1], v[2], v[3]};
}
