#pragma once

#include "device/link/VerifiedWrite.h"

class HidDevice;

// What one fresh battery query tells about the mouse behind the receiver.
enum class MouseWake
{
    Awake,    // a battery reply with a reading
    Asleep,   // the receiver answered for the mouse with zeros
    NoAnswer, // no battery reply in time, or the query or a read failed
    NoDevice, // no command handle open
};

// How long one query waits for its reply; the mouse answers within a few ms.
constexpr int kBatteryProbeMs = 500;

// Writes the battery query and reads until the battery reply, at most budgetMs. Every report read on the
// way, the reply included, goes to the sink, so the status handling sees it as it would from the thread.
MouseWake askBatteryOn(HidDevice* device, const LinkClock& clock, const InputReportSink& sink,
                       int budgetMs = kBatteryProbeMs);
