#include "device/status/OrnGetBatteryThread.h"
#include "log/Log.h"

#include <QDebug>

#include <algorithm>
#include <chrono>

namespace {
constexpr quint8 kBatteryCommand = 0x48;
constexpr quint8 kStatusCommand = 0x49;

// Input report bytes the thread forwards.
constexpr int kKind = 3;
constexpr int kByte4 = 4;
constexpr int kByte5 = 5;
constexpr int kByte6 = 6;
constexpr int kByte7 = 7;

Frame batteryQuery()
{
    Frame frame = makeFrame(kBatteryCommand, 0, 0);
    fillChecksum(frame);
    return frame;
}
} // namespace

OrnGetBatteryThread::OrnGetBatteryThread(CommandPort& port, StatusTiming timing, QObject* parent)
    : QThread(parent), m_port(port), m_timing(timing)
{
}

void OrnGetBatteryThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_waitMutex);
        m_bStop.store(true);
    }
    m_wake.notify_all();
    m_port.interruptReportWait();
}

void OrnGetBatteryThread::run()
{
    qCDebug(lcDevice, "OrnGetBatteryThread.\n");
    int r = 0;
    for (;;) {
        if (m_bStop.load()) {
            qCDebug(lcDevice, "OrnGetBatteryThread Stop.\n");
            return;
        }
        if (!m_port.hasCommandHandle())
            return;
        if (r == 0) {
            queryBattery();
            r = 2;
        } else {
            ++r;
        }
        listen();
        if (r == m_timing.passesPerQuery)
            r = 0;
    }
}

void OrnGetBatteryThread::queryBattery()
{
    if (m_port.writeReport(batteryQuery()) < 0)
        qCDebug(lcDevice, "Unable to send a feature report.\n");
    pause(m_timing.afterQueryMs);
    Frame reply{};
    const int got = m_port.readReport(reply.data(), kFrameSize, m_timing.readTimeoutMs);
    if (got < 0) {
        emit RefreshBatteryStatus(0, reply[kByte4], reply[kByte5]);
    } else {
        qCDebug(lcDevice, "Threadread bat 1 %x %x %x %x %x %x %x %x\n", reply[0], reply[1], reply[2], reply[3],
                reply[4], reply[5], reply[6], reply[7]);
        if (reply[kKind] == kBatteryCommand)
            handleBatteryReply(reply);
    }
    pause(m_timing.afterQueryReadMs);
}

void OrnGetBatteryThread::listen()
{
    if (listenWholePass())
        return;
    Frame reply{};
    const int got = m_port.readReport(reply.data(), kFrameSize, m_timing.readTimeoutMs);
    if (got < 0) {
        readFailed();
        return;
    }
    handleReport(reply);
    pause(m_timing.afterListenMs);
}

bool OrnGetBatteryThread::listenWholePass()
{
    // The read and the pause after it as one wait, which a report or stop() ends: idle, the thread wakes once a
    // pass instead of twice.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end =
        Clock::now() + std::chrono::milliseconds(m_timing.readTimeoutMs + m_timing.afterListenMs);
    const auto msLeft = [&end] {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
        return int(std::max<decltype(left)>(left, 0));
    };
    for (;;) {
        const int ready = m_port.waitForReport(msLeft());
        if (ready == CommandPort::kCannotWait)
            return false;
        if (ready == 0 || m_bStop.load())
            return true;
        Frame reply{};
        // Another collection's reports share the node: a read as long as the plain pass's drains them.
        const int got = ready < 0 ? ready : m_port.readReport(reply.data(), kFrameSize, m_timing.readTimeoutMs);
        if (got < 0) {
            readFailed();
            return true;
        }
        if (got == 0) {
            // Only reports of others: the rest of the pass pauses, as the plain pass does.
            pause(msLeft());
            return true;
        }
        handleReport(reply);
    }
}

void OrnGetBatteryThread::readFailed()
{
    qCDebug(lcDevice, "Unable to read a feature report 1.\n");
    pause(m_timing.afterReadFailureMs);
}

void OrnGetBatteryThread::handleReport(const Frame& reply)
{
    if (reply[kKind] == kStatusCommand)
        emit RefreshStatus(reply[kByte4], reply[kByte5], reply[kByte6], reply[kByte7]);
    else if (reply[kKind] == kBatteryCommand)
        handleBatteryReply(reply);
}

void OrnGetBatteryThread::handleBatteryReply(const Frame& reply)
{
    emit RefreshBatteryStatus(reply[kByte6], reply[kByte4], reply[kByte5]);
    if (reply[kByte4] != 0 || reply[kByte5] != 0 || reply[kByte6] != 0)
        emit RefreshWriteStatus(reply[kByte7]);
}

void OrnGetBatteryThread::pause(int ms)
{
    // One wait that stop() cuts short: an idle program wakes for its reads and pauses only.
    if (ms <= 0)
        return;
    std::unique_lock<std::mutex> lock(m_waitMutex);
    m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_bStop.load(); });
}
