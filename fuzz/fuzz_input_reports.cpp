// Any bytes the receiver hands up as an input report.
#include "device/protocol/InputReports.h"
#include "device/status/BatteryLevel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int length = int(size > 64 ? 64 : size);
    if (const auto status = decodeStatusReport(data, length))
        (void)status;
    if (const auto battery = decodeBatteryReply(data, length))
        (void)battery;
    if (size >= 2) {
        const int iMillivolts = batteryMillivolts(data[0], data[1]);
        const int iPercent = batteryPercent(data[0], data[1]);
        if (iPercent < 10 || iPercent > 100 || iMillivolts < 0)
            __builtin_trap();
    }
    return 0;
}
