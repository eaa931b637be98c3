#pragma once

#include "device/Frame.h"

// What the status thread needs of the command collection. Each call takes the link's handle lock for its own
// duration only, so a verified write never loses its echo to the thread.
class CommandPort
{
public:
    virtual ~CommandPort() = default;
    virtual bool hasCommandHandle() const = 0;
    // Unverified write of one report; negative on failure.
    virtual int writeReport(const Frame& frame) = 0;
    // Reads one command-collection report; > 0 bytes read, 0 on time-out, negative on failure.
    virtual int readReport(quint8* buffer, int length, int timeoutMs) = 0;
};
