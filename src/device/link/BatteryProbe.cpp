#include "device/link/BatteryProbe.h"

#include "device/protocol/CommandFrames.h"
#include "device/protocol/InputReports.h"
#include "hid/HidBackend.h"

namespace {
constexpr int kReadSliceMs = 50;
} // namespace

MouseWake askBatteryOn(HidDevice* device, const LinkClock& clock, const InputReportSink& sink, int budgetMs)
{
    if (!device)
        return MouseWake::NoDevice;
    const qint64 start = clock.nowMs();
    const Frame query = batteryQueryFrame();
    if (device->write(query.data(), kFrameSize) < 0)
        return MouseWake::NoAnswer;
    // The reads wait for the answer: no pause after the query, which would only delay every write-out.
    // Time-outs are counted too, so a backend whose reads return at once cannot spin for the whole budget.
    int timeouts = 0;
    for (qint64 left = budgetMs - (clock.nowMs() - start); left > 0; left = budgetMs - (clock.nowMs() - start)) {
        Frame reply{};
        const int got = device->readTimeout(reply.data(), kFrameSize, int(qMin<qint64>(kReadSliceMs, left)));
        if (got < 0)
            return MouseWake::NoAnswer;
        if (got == 0) {
            if (++timeouts >= budgetMs / kReadSliceMs)
                break;
            continue;
        }
        if (sink)
            sink(reply);
        if (const auto battery = decodeBatteryReply(reply.data(), got))
            return battery->isAsleep() ? MouseWake::Asleep : MouseWake::Awake;
    }
    return MouseWake::NoAnswer;
}
