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

    void setDevices(std::vector<HidDeviceInfo> devices);
    void setInitFails(bool bFails);
    void failOpen(const QByteArray& path);

    void addReply(const Report& data);
    void addTimeout();
    void addReadFailure();
    // Results of the next writes, in order; once used up, writes succeed.
    void addWriteResult(int result);
    // Called at the start of every read, outside the lock (a test can hold a reader there).
    void setReadHook(std::function<void()> hook);
    // Called with the asked time-out for every read that times out, outside the lock: a test clock can let
    // that time pass.
    void setTimeoutHook(std::function<void(int timeoutMs)> hook);

    // "init", "exit", "open <path> <report id>", "close <path>", "write <path>", "read <path>".
    QStringList log() const;
    std::vector<Report> writes() const;
    int readsDone() const;
    int readsLeft() const;

    int init() override;
    void exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDevice> openPath(const QByteArray& path, int inputReportId) override;
    int releaseNumber(const QByteArray& path) override;

    // Used by the handles.
    int handleWrite(const QByteArray& path, const quint8* data, int length);
    int handleRead(const QByteArray& path, quint8* data, int length, int timeoutMs);
    void handleClosed(const QByteArray& path);

private:
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
