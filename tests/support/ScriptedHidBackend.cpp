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

int ScriptedHidBackend::init()
{
    append(m_log, QStringLiteral("init"));
    return get(m_initFails) ? -1 : 0;
}

std::vector<HidDeviceInfo> ScriptedHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> found = get(m_devices);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [=](const HidDeviceInfo& d) {
                                   return (vendorId && d.vendorId != vendorId) ||
                                          (productId && d.productId != productId);
                               }),
                found.end());
    return found;
}

std::unique_ptr<HidDevice> ScriptedHidBackend::openPath(const QByteArray& path, int inputReportId)
{
    append(m_log, QString("open %1 %2").arg(QString::fromLatin1(path)).arg(inputReportId));
    if (get(m_failingOpens).contains(path))
        return nullptr;
    return std::make_unique<ScriptedHandle>(*this, path);
}

int ScriptedHidBackend::releaseNumber(const QByteArray& path)
{
    for (const HidDeviceInfo& d : get(m_devices)) {
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
    std::copy(data, data + std::min<int>(length, int(frame.size())), frame.begin());
    m_writes.push_back(frame);
    if (m_writeResults.empty())
        return length;
    const int result = m_writeResults.front();
    m_writeResults.pop_front();
    return result;
}

int ScriptedHidBackend::handleRead(const QByteArray& path, quint8* data, int length, int timeoutMs)
{
    if (const auto hook = get(m_readHook))
        hook();
    Read r;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_log << "read " + QString::fromLatin1(path);
        ++m_readsDone;
        if (!m_reads.empty()) {
            r = m_reads.front();
            m_reads.pop_front();
        }
    }
    if (r.result > 0)
        std::copy(r.data.begin(), r.data.begin() + std::min<int>(length, int(r.data.size())), data);
    if (const auto hook = r.result == 0 ? get(m_timeoutHook) : nullptr)
        hook(timeoutMs);
    return r.result;
}
