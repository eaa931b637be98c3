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

    static constexpr int kCannotWait = -2;
    // Waits for a command-collection report without holding the handle, so writes go on meanwhile: up to
    // timeoutMs or until interruptReportWait(). 1 when one can be read, 0 on time-out or interruption,
    // negative on failure, kCannotWait when the handle can only wait by reading.
    virtual int waitForReport(int timeoutMs)
    {
        (void)timeoutMs;
        return kCannotWait;
    }
    // Ends the wait in progress, or else the next one, at once.
    virtual void interruptReportWait() {}
};
