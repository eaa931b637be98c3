#include "device/link/VerifiedWrite.h"

#include "hid/HidBackend.h"
#include "log/Log.h"

#include <QDebug>

namespace {
constexpr int kAfterWriteMs = 10;
constexpr int kReadTimeoutMs = 150;
constexpr int kBeforeRereadMs = 50;
constexpr int kMaxReadFailures = 29;      // the 30th failure costs a rewrite
constexpr int kMaxZeroReplies = 5;        // rewrites that do not count; the 6th ends the reading
constexpr int kMaxCommandMismatches = 19; // re-reads; from the 20th on each mismatch costs a rewrite
constexpr int kMaxRewrites = 3;           // the first write and three rewrites

constexpr quint8 kLastTableCommand = 0x0A;
constexpr quint8 kReloadCommand = 0x40;
constexpr quint8 kSessionCommand = 0x46;

enum class Echo
{
    Equal,
    CommandMismatch,
    DataMismatch
};

// Table writes and the two session-level commands are echoed; everything else is fire and forget.
bool isReadBack(quint8 command)
{
    return command <= kLastTableCommand || command == kReloadCommand || command == kSessionCommand;
}

bool headerIsZero(const Frame& reply)
{
    for (int i = 0; i < FrameLayout::Payload; ++i) {
        if (reply[i] != 0)
            return false;
    }
    return true;
}

// The checksum (byte 1) and the phase (byte 7) are not compared: the mouse may answer them differently.
Echo compareEcho(const Frame& sent, const Frame& reply)
{
    static constexpr int kHeader[] = {FrameLayout::ReportId,   FrameLayout::Magic,       FrameLayout::Command,
                                      FrameLayout::AddressLow, FrameLayout::AddressHigh, FrameLayout::Length};
    for (int i : kHeader) {
        if (sent[i] != reply[i])
            return Echo::CommandMismatch;
    }
    if (sent[FrameLayout::Command] > kLastTableCommand)
        return Echo::Equal;
    // A length byte beyond the frame is held to the bytes the frame has.
    const int n = qMin<int>(sent[FrameLayout::Length], kFrameSize - FrameLayout::Payload);
    for (int i = FrameLayout::Payload; i < FrameLayout::Payload + n; ++i) {
        if (sent[i] != reply[i])
            return Echo::DataMismatch;
    }
    return Echo::Equal;
}
} // namespace

quint8 sendVerifiedOn(HidDevice* device, const Frame& report, const SleepMs& sleep)
{
    if (!device)
        return DeviceResult::NoDevice;
    Frame out = report;
    fillChecksum(out);
    const quint8 command = out[FrameLayout::Command];

    int readFailures = 0;
    int zeroReplies = 0;
    int commandMismatches = 0;
    int rewrites = 0;
    Echo lastCompare = Echo::Equal;
    // Cleared once: a read that times out leaves the previous reply to be compared again.
    Frame reply{};
    const auto mayRewrite = [&rewrites] {
        if (rewrites >= kMaxRewrites)
            return false;
        ++rewrites;
        return true;
    };

    for (;;) {
        if (device->write(out.data(), kFrameSize) < 0) {
            qCDebug(lcDevice, "Unable to send a feature report.\n");
            return DeviceResult::WriteFailed;
        }
        sleep(kAfterWriteMs);
        if (!isReadBack(command))
            return DeviceResult::Done;

        bool bRewrite = false;
        while (!bRewrite) {
            if (device->readTimeout(reply.data(), kFrameSize, kReadTimeoutMs) < 0) {
                if (++readFailures > kMaxReadFailures) {
                    if (!mayRewrite())
                        return DeviceResult::GaveUp;
                    bRewrite = true;
                } else {
                    sleep(kBeforeRereadMs);
                }
                continue;
            }
            Echo result = lastCompare;
            if (headerIsZero(reply)) {
                if (++zeroReplies <= kMaxZeroReplies) {
                    bRewrite = true;
                    continue;
                }
            } else {
                result = compareEcho(out, reply);
                lastCompare = result;
            }
            switch (result) {
            case Echo::Equal:
                return DeviceResult::Done;
            case Echo::CommandMismatch:
                if (++commandMismatches <= kMaxCommandMismatches) {
                    sleep(kBeforeRereadMs);
                    zeroReplies = 0;
                    break;
                }
                if (!mayRewrite())
                    return DeviceResult::GaveUp;
                zeroReplies = 0;
                bRewrite = true;
                break;
            case Echo::DataMismatch:
                if (!mayRewrite())
                    return DeviceResult::GaveUp;
                zeroReplies = 0;
                bRewrite = true;
                break;
            }
        }
    }
}
