#pragma once

#include "device/status/OrnGetBatteryThread.h"

#include <memory>

// Owns the one status thread: start connects nothing by itself (the owner connects the signals through
// started()), stop requests the end and waits for it, bounded, so no handle is closed under a reader.
class StatusThreadRunner
{
public:
    explicit StatusThreadRunner(CommandPort& port, StatusTiming timing = {});
    ~StatusThreadRunner();

    // Creates and starts a new thread (stopping a running one first) and returns it for connecting.
    OrnGetBatteryThread* start();
    // Requests the stop and waits at most timeoutMs for the thread to finish; true when it has finished.
    bool stop(int timeoutMs = 2000);
    OrnGetBatteryThread* current() const { return m_thread.get(); }

private:
    CommandPort& m_port;
    StatusTiming m_timing;
    std::unique_ptr<OrnGetBatteryThread> m_thread;
};
