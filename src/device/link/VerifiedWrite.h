#pragma once

#include "device/Frame.h"

#include <functional>

class HidDevice;

using SleepMs = std::function<void(int milliseconds)>;

// Time as the verified write sees it: a monotonic clock in ms and a sleep. Tests step both by hand.
struct LinkClock
{
    std::function<qint64()> nowMs;
    SleepMs sleep;
};

// The system's monotonic clock and a real sleep.
LinkClock systemLinkClock();

// Takes the reports that arrive while an echo is awaited and are not the echo (status reports, battery
// replies), so that the status handling still sees them.
using InputReportSink = std::function<void(const Frame& report)>;

// However the mouse answers, one frame never holds its caller longer than this.
constexpr int kFrameCeilingMs = 1000;

struct VerifiedOutcome
{
    quint8 result = DeviceResult::Done;
    // The mouse answered with the frame itself. A frame counted as done after the mouse stayed silent (six
    // all-zero replies) is not echoed.
    bool bEchoed = false;
};

// Writes one command report on the command handle and checks the mouse's echo with bounded retries: at most
// four writes for mismatches and read failures together, five more after all-zero replies, and never longer
// than kFrameCeilingMs. Fills in the checksum. Result: 0 done, 1 no handle, 2 gave up, 4 the write failed.
VerifiedOutcome sendVerifiedFrame(HidDevice* device, const Frame& report, const LinkClock& clock,
                                  const InputReportSink& sink = {});
