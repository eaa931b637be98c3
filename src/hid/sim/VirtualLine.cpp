#include "hid/sim/VirtualLine.h"

#include <chrono>
#include <thread>

namespace {
constexpr int kCommandByte = 3;
constexpr int kFirstPayloadByte = 8;
constexpr quint8 kOtherCommand = 0x80; // flipped into the command byte of a mismatched echo

QByteArray hexLine(const VirtualFirmware::Report& frame)
{
    QByteArray line;
    line.reserve(VirtualFirmware::kReportSize * 3);
    for (int i = 0; i < VirtualFirmware::kReportSize; ++i) {
        if (i > 0)
            line += ' ';
        line += QByteArray::number(frame[i], 16).rightJustified(2, '0');
    }
    line += '\n';
    return line;
}
} // namespace

int VirtualLine::openHandle(bool bCommand, quint64& generation)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged)
        return 0;
    const int id = m_nextId++;
    m_queues[id].bCommand = bCommand;
    generation = m_generation;
    return id;
}

void VirtualLine::closeHandle(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queues.erase(id);
}

int VirtualLine::hostWrite(int id, quint64 generation, const quint8* data, int length)
{
    int latencyMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto queue = m_queues.find(id);
        // The pointer collection has no output report; the command collection takes whole reports only.
        if (!isLive(generation) || queue == m_queues.end() || !queue->second.bCommand ||
            length != VirtualFirmware::kReportSize || !data)
            return -1;
        latencyMs = m_latencyMs;
    }
    // The receiver hands the report to the mouse over the air before it completes the transfer.
    if (latencyMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(latencyMs));

    std::lock_guard<std::mutex> lock(m_mutex);
    if (!isLive(generation))
        return -1;
    Report frame{};
    std::copy(data, data + VirtualFirmware::kReportSize, frame.begin());
    VirtualFault fault{};
    const bool bFault = takeFault(frame[kCommandByte], fault);
    if (bFault && fault == VirtualFault::WriteError)
        return -1;

    logFrame(frame);
    std::vector<Report> replies = m_firmware.receive(frame);
    if (bFault) {
        switch (fault) {
        case VirtualFault::Timeout:
            replies.clear();
            break;
        case VirtualFault::ZeroReply:
            replies.assign(1, Report{});
            break;
        case VirtualFault::MismatchedEcho:
            for (Report& r : replies)
                r[kCommandByte] ^= kOtherCommand;
            break;
        case VirtualFault::MismatchedData:
            for (Report& r : replies)
                r[kFirstPayloadByte] ^= 0xFF;
            break;
        case VirtualFault::WriteError:
            break;
        }
    }
    for (const Report& r : replies)
        deliverLocked(r);
    return length;
}

VirtualLine::Queue* VirtualLine::waitForReportLocked(std::unique_lock<std::mutex>& lock, int id, quint64 generation,
                                                     int timeoutMs, bool bInterruptible, int& result)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        const auto queue = m_queues.find(id);
        result = -1;
        if (!isLive(generation) || queue == m_queues.end())
            return nullptr;
        result = 0;
        if (bInterruptible && queue->second.bWaitInterrupted) {
            queue->second.bWaitInterrupted = false;
            return nullptr;
        }
        if (!queue->second.reports.empty())
            return &queue->second;
        if (timeoutMs < 0)
            m_arrived.wait(lock);
        else if (std::chrono::steady_clock::now() >= deadline)
            return nullptr;
        else
            m_arrived.wait_until(lock, deadline);
    }
}

int VirtualLine::hostRead(int id, quint64 generation, quint8* data, int length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    int result = 0;
    Queue* queue = waitForReportLocked(lock, id, generation, timeoutMs, false, result);
    if (!queue || length <= 0 || !data)
        return result;
    const Report report = queue->reports.front();
    queue->reports.pop_front();
    const int n = std::min(length, VirtualFirmware::kReportSize);
    std::copy(report.begin(), report.begin() + n, data);
    return n;
}

int VirtualLine::hostWait(int id, quint64 generation, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    int result = 0;
    return waitForReportLocked(lock, id, generation, timeoutMs, true, result) ? 1 : result;
}

void VirtualLine::interruptWait(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (const auto queue = m_queues.find(id); queue != m_queues.end())
        queue->second.bWaitInterrupted = true;
    m_arrived.notify_all();
}

void VirtualLine::deliver(const Report& report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    deliverLocked(report);
}

void VirtualLine::deliverLocked(const Report& report)
{
    if (!m_plugged)
        return;
    for (auto& entry : m_queues) {
        Queue& queue = entry.second;
        if (!queue.bCommand)
            continue;
        if (queue.reports.size() >= kQueueDepth)
            queue.reports.pop_front();
        queue.reports.push_back(report);
    }
    m_arrived.notify_all();
}

bool VirtualLine::setPlugged(bool bPlugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_plugged == bPlugged)
        return false;
    m_plugged = bPlugged;
    if (!bPlugged) {
        // Handles opened before the removal stay dead, also after the receiver comes back.
        ++m_generation;
        for (auto& entry : m_queues)
            entry.second.reports.clear();
    }
    m_arrived.notify_all();
    return true;
}

bool VirtualLine::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

void VirtualLine::setLatency(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_latencyMs = std::max(ms, 0);
}

int VirtualLine::latency() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_latencyMs;
}

void VirtualLine::addFault(VirtualFault fault, int count, int command)
{
    if (count <= 0)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.push_back(PendingFault{fault, count, command});
}

void VirtualLine::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
}

bool VirtualLine::takeFault(quint8 command, VirtualFault& fault)
{
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        if (it->command != kAnyCommand && it->command != command)
            continue;
        fault = it->fault;
        if (--it->remaining <= 0)
            m_faults.erase(it);
        return true;
    }
    return false;
}

bool VirtualLine::setLogPath(const QString& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_log.isOpen())
        m_log.close();
    if (path.isEmpty())
        return true;
    m_log.setFileName(path);
    return m_log.open(QIODevice::WriteOnly | QIODevice::Append);
}

void VirtualLine::logFrame(const Report& frame)
{
    if (m_history.size() >= kHistoryDepth)
        m_history.pop_front();
    m_history.push_back(frame);
    if (m_log.isOpen()) {
        m_log.write(hexLine(frame));
        m_log.flush();
    }
}

std::vector<VirtualLine::Report> VirtualLine::history() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::vector<Report>(m_history.begin(), m_history.end());
}

void VirtualLine::clearHistory()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_history.clear();
}

void VirtualLine::setHotPlugListener(VirtualHotPlugListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

VirtualHotPlugListener VirtualLine::hotPlugListener() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listener;
}
