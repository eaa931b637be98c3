#pragma once

#include "platform/DeviceChangeEvent.h"

namespace platform {

// Classifies a Windows HID interface path such as "\\?\HID#VID_248A&PID_FA02&MI_00&Col04#...". The
// receiver's pointer collection is col01 and its command collection col04, either on a single-interface
// device or on interface 0; anything else (another interface, another collection, ids that are not
// hexadecimal) is unrecognised. The path is kept unchanged in the event.
DeviceChangeEvent classifyInterfacePath(const QString& interfacePath, bool bArrived);

} // namespace platform
