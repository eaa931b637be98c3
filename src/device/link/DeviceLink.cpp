#include "device/link/DeviceLink.h"

#include "device/link/DeviceDiscovery.h"

#include <cstring>

namespace {
constexpr quint32 kOskenVendor = 0x248A;
constexpr quint32 kOskenProductA = 0xFA02;
constexpr quint32 kOskenProductB = 0xFB01;
constexpr quint32 kPointerUsage = 2;
constexpr quint32 kCommandUsage = 0;
constexpr quint32 kGenericDesktop = 1;
constexpr char kOskenName[] = "OSKEN R5";
// Only the command collection's reports may reach SendVerified and the status thread.
constexpr int kCommandReportId = 0x05;
} // namespace

DeviceLink::DeviceLink(std::unique_ptr<HidBackend> backend)
    : m_backend(std::move(backend)), m_table(std::make_unique<MouseDescriptorTable>()), m_clock(systemLinkClock()),
      m_relay(std::make_unique<StatusReportRelay>())
{
    std::memset(m_table.get(), 0, sizeof(MouseDescriptorTable));
}

DeviceLink::~DeviceLink()
{
    CloseDevice();
}

void DeviceLink::InitDeviceTable()
{
    std::memset(m_table.get(), 0, sizeof(MouseDescriptorTable));
    m_table->count = 1;
    MouseDescriptor& e = m_table->entries[0];
    e.vendorIdA = kOskenVendor;
    e.vendorIdB = kOskenVendor;
    e.productIdA = kOskenProductA;
    e.productIdB = kOskenProductB;
    e.usageA1 = kPointerUsage;
    e.usagePageA1 = kGenericDesktop;
    e.usageB1 = kPointerUsage;
    e.usagePageB1 = kGenericDesktop;
    e.usageA2 = kCommandUsage;
    e.usagePageA2 = kGenericDesktop;
    e.usageB2 = kCommandUsage;
    e.usagePageB2 = kGenericDesktop;
    std::memcpy(e.productName, kOskenName, sizeof kOskenName);
}

int DeviceLink::EnumerateDevices()
{
    if (m_backend->init() != 0)
        return -1;
    matchEnumeration(*m_table, m_backend->enumerate(0, 0));
    return 0;
}

void DeviceLink::OpenDevice(const char* productName)
{
    if (m_backend->init() != 0 || m_table->count == 0)
        return;
    const QByteArray name(productName ? productName : "");
    std::lock_guard<std::mutex> lock(m_handleMutex);
    const quint32 entries = qMin<quint32>(m_table->count, kMaxMouseDescriptors);
    for (quint32 i = 0; i < entries; ++i) {
        const MouseDescriptor& e = m_table->entries[i];
        if (descriptorProductName(e) != name)
            continue;
        if (e.presentA1 == 1 && e.presentA2 == 1) {
            openInto(m_handleA1, e.pathA1, HidBackend::kAnyReport);
            openInto(m_handleA2, e.pathA2, kCommandReportId);
        }
        if (e.presentB1 == 1 && e.presentB2 == 1) {
            openInto(m_handleB1, e.pathB1, HidBackend::kAnyReport);
            openInto(m_handleB2, e.pathB2, kCommandReportId);
        }
    }
}

void DeviceLink::openInto(std::shared_ptr<HidDevice>& handle, const char (&path)[kDevicePathSize], int inputReportId)
{
    handle.reset();
    handle = m_backend->openPath(devicePath(path), inputReportId);
}

void DeviceLink::CloseDevice()
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    m_handleA1.reset();
    m_handleA2.reset();
    m_handleB1.reset();
    m_handleB2.reset();
}

const std::shared_ptr<HidDevice>& DeviceLink::commandHandle() const
{
    return m_handleB2 ? m_handleB2 : m_handleA2;
}

quint8 DeviceLink::SendVerified(const Frame& report)
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    const VerifiedOutcome outcome = sendVerifiedFrame(commandHandle().get(), report, m_clock, relaySink());
    if (outcome.bEchoed)
        ++m_echoedFrames;
    return outcome.result;
}

MouseWake DeviceLink::askBatteryState(int budgetMs)
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    return askBatteryOn(commandHandle().get(), m_clock, relaySink(), budgetMs);
}

InputReportSink DeviceLink::relaySink()
{
    StatusReportRelay* relay = m_relay.get();
    return [relay](const Frame& report) { relay->handOver(report); };
}

FrameSender DeviceLink::sender()
{
    return [this](const Frame& frame) { return SendVerified(frame); };
}

int DeviceLink::hid_get_release_number(const char* path)
{
    if (!path)
        return -1;
    return m_backend->releaseNumber(QByteArray(path));
}

void DeviceLink::ExitHid()
{
    CloseDevice();
    m_backend->exit();
}

bool DeviceLink::hasCommandHandle() const
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    return commandHandle() != nullptr;
}

int DeviceLink::writeReport(const Frame& frame)
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    HidDevice* handle = commandHandle().get();
    return handle ? handle->write(frame.data(), kFrameSize) : -1;
}

int DeviceLink::readReport(quint8* buffer, int length, int timeoutMs)
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    HidDevice* handle = commandHandle().get();
    return handle ? handle->readTimeout(buffer, length, timeoutMs) : -1;
}

int DeviceLink::waitForReport(int timeoutMs)
{
    std::shared_ptr<HidDevice> handle;
    {
        std::lock_guard<std::mutex> lock(m_handleMutex);
        handle = commandHandle();
    }
    if (!handle)
        return -1;
    const int ready = handle->waitForReport(timeoutMs);
    return ready == HidDevice::kCannotWait ? CommandPort::kCannotWait : ready;
}

void DeviceLink::interruptReportWait()
{
    std::lock_guard<std::mutex> lock(m_handleMutex);
    if (const std::shared_ptr<HidDevice>& handle = commandHandle())
        handle->interruptWait();
}
