#pragma once

#include "hid/HidBackend.h"

#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <mutex>

// A HidBackend that plays back exact read results, one per read on any handle, and records every call.
// When the script is used up, reads time out at once. Thread-safe, so a test can read from another thread.
class ScriptedHidBackend : public HidBackend
{
public:
    using Report = std::array<quint8, 33>;
    struct Read
    {
        int result = 0; // > 0 data, 0 time-out, < 0 failure
        Report data{};
    };

    void setDevices(std::vector<HidDeviceInfo> devices) { set(m_devices, std::move(devices)); }
    void setInitFails(bool bFails) { set(m_initFails, bFails); }
    void failOpen(const QByteArray& path) { append(m_failingOpens, path); }

    void addReply(const Report& data) { append(m_reads, Read{int(data.size()), data}); }
    void addTimeout() { append(m_reads, Read{0, {}}); }
    void addReadFailure() { append(m_reads, Read{-1, {}}); }
    // Results of the next writes, in order; once used up, writes succeed.
    void addWriteResult(int result) { append(m_writeResults, result); }
    // Called at the start of every read, outside the lock (a test can hold a reader there).
    void setReadHook(std::function<void()> hook) { set(m_readHook, std::move(hook)); }
    // Called with the asked time-out for every read that times out, outside the lock: a test clock can let
    // that time pass.
    void setTimeoutHook(std::function<void(int timeoutMs)> hook) { set(m_timeoutHook, std::move(hook)); }

    // "init", "exit", "open <path> <report id>", "close <path>", "write <path>", "read <path>".
    QStringList log() const { return get(m_log); }
    std::vector<Report> writes() const { return get(m_writes); }
    int readsDone() const { return get(m_readsDone); }

    int init() override;
    void exit() override { append(m_log, QStringLiteral("exit")); }
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override;
    int releaseNumber(const QByteArray& path) override;

    // Used by the handles.
    int handleWrite(const QByteArray& path, const quint8* data, int length);
    int handleRead(const QByteArray& path, quint8* data, int length, int timeoutMs);
    void handleClosed(const QByteArray& path) { append(m_log, "close " + QString::fromLatin1(path)); }

private:
    template <typename T> T get(const T& member) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return member;
    }
    template <typename T, typename V> void set(T& member, V value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        member = std::move(value);
    }
    template <typename C, typename V> void append(C& list, V value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        list.push_back(std::move(value));
    }

    mutable std::mutex m_mutex;
    std::vector<HidDeviceInfo> m_devices;
    bool m_initFails = false;
    QList<QByteArray> m_failingOpens;
    std::deque<Read> m_reads;
    std::deque<int> m_writeResults;
    std::function<void()> m_readHook;
    std::function<void(int)> m_timeoutHook;
    QStringList m_log;
    std::vector<Report> m_writes;
    int m_readsDone = 0;
};
