#pragma once

#include "platform/DeviceChangeEvent.h"

#include <QHash>

#include <vector>

namespace platform {

// Turns the properties of one udev "hidraw" event (ACTION, DEVNAME, DEVPATH) into the events the
// hot-plug handler takes. One hidraw node stands for a whole USB interface; on the receiver's interface 0
// it carries both the pointer and the command collection, so that node gives a pointer and then a command
// event for the same path. Nodes of other interfaces give one unrecognised event; actions other than add
// and remove, or events without a node, give none.
std::vector<DeviceChangeEvent> parseUdevHidrawEvent(const QHash<QString, QString>& properties);

} // namespace platform
