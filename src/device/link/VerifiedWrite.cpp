#include "device/link/VerifiedWrite.h"

#include "device/protocol/CommandCodes.h"
#include "hid/HidBackend.h"
#include "log/Log.h"

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace {
constexpr int kAfterWriteMs = 10;
constexpr int kReadTimeoutMs = 150;
constexpr int kBeforeRereadMs = 50;
constexpr int kMaxReadFailures = 29;      // the 30th failure costs a rewrite
constexpr int kMaxZeroReplies = 5;        // rewrites that do not count; the 6th ends the reading
constexpr int kMaxCommandMismatches = 19; // re-reads; from the 20th on each mismatch costs a rewrite
constexpr int kMaxRewrites = 3;           // the first write and three rewrites

constexpr quint8 kLastTableCommand = 0x0A;

enum class Echo
{
    None, // nothing but silence compared yet
    Equal,
    CommandMismatch,
    DataMismatch
};

// Table writes and the two session-level commands are echoed; everything else is fire and forget.
bool isReadBack(quint8 command)
{
    return command <= kLastTableCommand || command == ProtocolCommand::Reload ||
           command == ProtocolCommand::WriteSession;
}

// A status report or battery reply that came in while the echo was awaited.
bool isForeignReport(const Frame& reply, quint8 command)
{
    const quint8 kind = reply[FrameLayout::Command];
    return kind != command && (kind == ProtocolCommand::Status || kind == ProtocolCommand::Battery);
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

LinkClock systemLinkClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return LinkClock{[timer] { return timer->elapsed(); },
                     [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }};
}

VerifiedOutcome sendVerifiedFrame(HidDevice* device, const Frame& report, const LinkClock& clock,
                                  const InputReportSink& sink)
{
    if (!device)
        return {DeviceResult::NoDevice, false};
    Frame out = report;
    fillChecksum(out);
    const quint8 command = out[FrameLayout::Command];
    const qint64 start = clock.nowMs();
    const auto timeLeft = [&] { return kFrameCeilingMs - (clock.nowMs() - start); };
    const auto pause = [&](int ms) {
        const qint64 left = timeLeft();
        if (left > 0)
            clock.sleep(int(qMin<qint64>(ms, left)));
    };

    int readFailures = 0;
    // Never reset within a call: a mismatch between zero replies must not buy more rewrites.
    int zeroReplies = 0;
    int commandMismatches = 0;
    int rewrites = 0;
    Echo lastCompare = Echo::None;
    // Cleared once: a read that times out leaves the previous reply to be compared again.
    Frame reply{};
    const auto mayRewrite = [&rewrites] {
        if (rewrites >= kMaxRewrites)
            return false;
        ++rewrites;
        return true;
    };
    // Out of time: silence ends as the sixth zero reply would, anything else gives up.
    const auto outOfTime = [&] {
        const bool bSilent = lastCompare == Echo::None && readFailures == 0;
        return VerifiedOutcome{bSilent ? DeviceResult::Done : DeviceResult::GaveUp, false};
    };

    for (;;) {
        if (timeLeft() <= 0)
            return outOfTime();
        if (device->write(out.data(), kFrameSize) < 0) {
            qCDebug(lcDevice, "Unable to send a feature report.\n");
            return {DeviceResult::WriteFailed, false};
        }
        pause(kAfterWriteMs);
        if (!isReadBack(command))
            return {DeviceResult::Done, false};

        bool bRewrite = false;
        while (!bRewrite) {
            const qint64 left = timeLeft();
            if (left <= 0)
                return outOfTime();
            Frame incoming = reply;
            const int got = device->readTimeout(incoming.data(), kFrameSize, int(qMin<qint64>(kReadTimeoutMs, left)));
            if (got < 0) {
                if (++readFailures > kMaxReadFailures) {
                    if (!mayRewrite())
                        return {DeviceResult::GaveUp, false};
                    bRewrite = true;
                } else {
                    pause(kBeforeRereadMs);
                }
                continue;
            }
            if (got > 0 && isForeignReport(incoming, command)) {
                if (sink)
                    sink(incoming);
                continue;
            }
            reply = incoming;
            if (headerIsZero(reply)) {
                if (++zeroReplies <= kMaxZeroReplies) {
                    bRewrite = true;
                    continue;
                }
                if (lastCompare == Echo::None)
                    return {DeviceResult::Done, false}; // a silent mouse: the frame counts as done
            } else {
                lastCompare = compareEcho(out, reply);
            }
            switch (lastCompare) {
            case Echo::Equal:
                return {DeviceResult::Done, true};
            case Echo::CommandMismatch:
                if (++commandMismatches <= kMaxCommandMismatches) {
                    pause(kBeforeRereadMs);
                    break;
                }
                if (!mayRewrite())
                    return {DeviceResult::GaveUp, false};
                bRewrite = true;
                break;
            case Echo::DataMismatch:
                if (!mayRewrite())
                    return {DeviceResult::GaveUp, false};
                bRewrite = true;
                break;
            case Echo::None: // silence returned above
                break;
            }
        }
    }
}
