#include "ScriptedHidBackend.h"

#include <algorithm>

namespace {
class ScriptedHandle : public HidDevice
{
public:
    ScriptedHandle(ScriptedHidBackend& backend, QByteArray path) : m_backend(backend), m_path(std::move(path)) {}
    ~ScriptedHandle() override { m_backend.handleClosed(m_path); }
    int write(const quint8* data, int length) override { return m_backend.handleWrite(m_path, data, length); }
    int readTimeout(quint8* data, int length, int timeoutMs) override
    {
        return m_backend.handleRead(m_path, data, length, timeoutMs);
    }

private:
    ScriptedHidBackend& m_backend;
    QByteArray m_path;
};
} // namespace

void ScriptedHidBackend::setDevices(std::vector<HidDeviceInfo> devices)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_devices = std::move(devices);
}

void ScriptedHidBackend::setInitFails(bool bFails)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_initFails = bFails;
}

void ScriptedHidBackend::failOpen(const QByteArray& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failingOpens.append(path);
}

void ScriptedHidBackend::addReply(const Report& data)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reads.push_back(Read{static_cast<int>(data.size()), data});
}

void ScriptedHidBackend::addTimeout()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reads.push_back(Read{0, {}});
}

void ScriptedHidBackend::addReadFailure()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_reads.push_back(Read{-1, {}});
}

void ScriptedHidBackend::addWriteResult(int result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeResults.push_back(result);
}

void ScriptedHidBackend::setReadHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_readHook = std::move(hook);
}

void ScriptedHidBackend::setTimeoutHook(std::function<void(int)> hook)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_timeoutHook = std::move(hook);
}

QStringList ScriptedHidBackend::log() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

std::vector<ScriptedHidBackend::Report> ScriptedHidBackend::writes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writes;
}

int ScriptedHidBackend::readsDone() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_readsDone;
}

int ScriptedHidBackend::readsLeft() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_reads.size());
}

int ScriptedHidBackend::init()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log << "init";
    return m_initFails ? -1 : 0;
}

void ScriptedHidBackend::exit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log << "exit";
}

std::vector<HidDeviceInfo> ScriptedHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HidDeviceInfo> found;
    std::copy_if(m_devices.begin(), m_devices.end(), std::back_inserter(found), [=](const HidDeviceInfo& d) {
        return (vendorId == 0 || d.vendorId == vendorId) && (productId == 0 || d.productId == productId);
    });
    return found;
}

std::unique_ptr<HidDevice> ScriptedHidBackend::openPath(const QByteArray& path, int inputReportId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log << QString("open %1 %2").arg(QString::fromLatin1(path)).arg(inputReportId);
    if (m_failingOpens.contains(path))
        return nullptr;
    return std::make_unique<ScriptedHandle>(*this, path);
}

int ScriptedHidBackend::releaseNumber(const QByteArray& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const HidDeviceInfo& d : m_devices) {
        if (d.path == path)
            return d.releaseNumber;
    }
    return -1;
}

int ScriptedHidBackend::handleWrite(const QByteArray& path, const quint8* data, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log << "write " + QString::fromLatin1(path);
    Report frame{};
    std::copy(data, data + std::min<int>(length, static_cast<int>(frame.size())), frame.begin());
    m_writes.push_back(frame);
    if (m_writeResults.empty())
        return length;
    const int result = m_writeResults.front();
    m_writeResults.pop_front();
    return result;
}

int ScriptedHidBackend::handleRead(const QByteArray& path, quint8* data, int length, int timeoutMs)
{
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        hook = m_readHook;
    }
    if (hook)
        hook();
    Read r;
    std::function<void(int)> timeoutHook;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_log << "read " + QString::fromLatin1(path);
        ++m_readsDone;
        if (!m_reads.empty()) {
            r = m_reads.front();
            m_reads.pop_front();
        }
        if (r.result == 0)
            timeoutHook = m_timeoutHook;
    }
    if (r.result > 0)
        std::copy(r.data.begin(), r.data.begin() + std::min<int>(length, static_cast<int>(r.data.size())), data);
    if (timeoutHook)
        timeoutHook(timeoutMs);
    return r.result;
}

void ScriptedHidBackend::handleClosed(const QByteArray& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log << "close " + QString::fromLatin1(path);
}
