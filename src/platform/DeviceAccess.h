#pragma once

#include <QByteArray>

namespace platform {

// Why a HID node that the system lists cannot be opened.
enum class NodeAccess
{
    Usable,       // the node opens (a failure then lies elsewhere)
    NoPermission, // on Linux: no udev rule gives the user the node
    Busy,         // another program holds it exclusively
    Missing,      // gone since it was listed
    Failed,       // any other reason
};

// Tries to open the node at `path` for reading and writing and closes it again.
NodeAccess probeDeviceNode(const QByteArray& path);

// The cause and the fix in English, one sentence each; the window shows them translated (context "Osken").
const char* nodeAccessCause(NodeAccess access);
const char* nodeAccessFix(NodeAccess access);

} // namespace platform
