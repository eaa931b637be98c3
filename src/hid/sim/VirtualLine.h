#pragma once

#include "hid/sim/VirtualFirmware.h"
#include "hid/sim/VirtualHotPlugEvent.h"

#include <QFile>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

// The wire between the host's handles and the emulated mouse: the receiver's plug state, the input report
// queue of every open command handle, the echo latency, the injected faults and the frame log. Shared by the
// receiver and its handles, so a handle outlives nothing it depends on. Every member is guarded by m_mutex.
class VirtualLine
{
public:
    using Report = VirtualFirmware::Report;
    static constexpr int kAnyCommand = -1;
    static constexpr size_t kQueueDepth = 64; // like a hidraw node: the oldest report is lost beyond this
    static constexpr size_t kHistoryDepth = 20000;

    // Handle side; a handle is valid while the receiver stays plugged in since it was opened.
    int openHandle(bool bCommand, quint64& generation);
    void closeHandle(int id);
    int hostWrite(int id, quint64 generation, const quint8* data, int length);
    int hostRead(int id, quint64 generation, quint8* data, int length, int timeoutMs);
    // HidDevice::waitForReport and interruptWait of a handle.
    int hostWait(int id, quint64 generation, int timeoutMs);
    void interruptWait(int id);

    // Receiver side; each takes the lock itself.
    void deliver(const Report& report);
    // True when the state changed; unplugging kills every open handle.
    bool setPlugged(bool bPlugged);
    bool isPlugged() const;
    void setLatency(int ms);
    int latency() const;
    void addFault(VirtualFault fault, int count, int command);
    void clearFaults();
    bool setLogPath(const QString& path);
    std::vector<Report> history() const;
    void clearHistory();
    template <typename F> auto withFirmware(F&& f)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return f(m_firmware);
    }
    template <typename F> auto withFirmware(F&& f) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return f(m_firmware);
    }
    void setHotPlugListener(VirtualHotPlugListener listener);
    VirtualHotPlugListener hotPlugListener() const;

private:
    struct PendingFault
    {
        VirtualFault fault;
        int remaining;
        int command;
    };
    struct Queue
    {
        bool bCommand = false;
        bool bWaitInterrupted = false;
        std::deque<Report> reports;
    };

    bool isLive(quint64 generation) const { return m_plugged && generation == m_generation; }
    // Waits until the handle's queue holds a report and returns it; else null with `result` 0 (time-out, or
    // an interruption when bInterruptible) or -1 (the handle is dead).
    Queue* waitForReportLocked(std::unique_lock<std::mutex>& lock, int id, quint64 generation, int timeoutMs,
                               bool bInterruptible, int& result);
    bool takeFault(quint8 command, VirtualFault& fault);
    void logFrame(const Report& frame);
    void deliverLocked(const Report& report);

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    VirtualFirmware m_firmware;
    std::map<int, Queue> m_queues;
    int m_nextId = 1;
    bool m_plugged = true;
    quint64 m_generation = 1;
    int m_latencyMs = 1;
    std::vector<PendingFault> m_faults;
    QFile m_log;
    std::deque<Report> m_history;
    VirtualHotPlugListener m_listener;
};
