#pragma once

#include <QByteArray>

#include <functional>

// A collection of the virtual receiver that arrived or went away, already classified like the platform's
// device notifications: kind 1 pointer collection, 4 command collection.
struct VirtualHotPlugEvent
{
    int kind = 0;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QByteArray path;
    bool arrived = false;
};

using VirtualHotPlugListener = std::function<void(const VirtualHotPlugEvent&)>;

enum class VirtualFault
{
    Timeout,        // the frame arrives, no answer comes back
    ZeroReply,      // the frame arrives, the answer is 33 zero bytes
    MismatchedEcho, // the frame arrives, the echo carries another command byte
    MismatchedData, // the frame arrives, the echo's first payload byte differs
    WriteError,     // the write fails; the frame never arrives
};
