#pragma once

#include "device/link/MouseDescriptor.h"
#include "hid/HidBackend.h"

#include <vector>

// Matches every enumerated collection against the four collections of every table entry, storing paths and
// setting presence flags. Flags are only ever set here.
void matchEnumeration(MouseDescriptorTable& table, const std::vector<HidDeviceInfo>& devices);
