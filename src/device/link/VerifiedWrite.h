#pragma once

#include "device/Frame.h"

#include <functional>

class HidDevice;

using SleepMs = std::function<void(int milliseconds)>;

// Writes one command report on the command handle and checks the mouse's echo with bounded retries.
// Fills in the checksum. Returns a DeviceResult: 0 done, 1 no handle, 2 gave up, 4 the write failed.
quint8 sendVerifiedOn(HidDevice* device, const Frame& report, const SleepMs& sleep);
