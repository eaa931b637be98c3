#pragma once

#include "platform/DeviceNotifier.h"

class VirtualReceiver;

namespace platform {

// Device notifications from the virtual receiver's plugging, delivered on the thread that started it.
std::unique_ptr<DeviceNotifier> makeVirtualDeviceNotifier(VirtualReceiver& receiver);

} // namespace platform
