#include "hid/sim/VirtualReceiver.h"

#include "hid/sim/VirtualHandle.h"
#include "hid/sim/VirtualLine.h"

namespace {
constexpr quint16 kGenericDesktop = 0x01;
constexpr quint16 kPointerUsage = 0x02;
constexpr quint16 kCommandUsage = 0x00;
constexpr int kPointerKind = 1;
constexpr int kCommandKind = 4;
} // namespace

const QByteArray VirtualReceiver::kPointerPath = "virtual:248a:fa02:col01";
const QByteArray VirtualReceiver::kCommandPath = "virtual:248a:fa02:col04";

VirtualReceiver::VirtualReceiver() : m_line(std::make_shared<VirtualLine>()) {}

VirtualReceiver::~VirtualReceiver() = default;

std::vector<HidDeviceInfo> VirtualReceiver::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> devices;
    if (!m_line->isPlugged() || (vendorId != 0 && vendorId != kVendorId) || (productId != 0 && productId != kProductId))
        return devices;
    HidDeviceInfo info;
    info.vendorId = kVendorId;
    info.productId = kProductId;
    info.releaseNumber = m_release.load();
    info.interfaceNumber = 0;
    info.usagePage = kGenericDesktop;
    info.usage = kPointerUsage;
    info.path = kPointerPath;
    devices.push_back(info);
    info.usage = kCommandUsage;
    info.path = kCommandPath;
    devices.push_back(info);
    return devices;
}

std::unique_ptr<HidDevice> VirtualReceiver::openPath(const QByteArray& path, int)
{
    // The command collection carries nothing but command reports here, so there is nothing to filter.
    if (path != kPointerPath && path != kCommandPath)
        return nullptr;
    quint64 generation = 0;
    const int id = m_line->openHandle(path == kCommandPath, generation);
    if (id == 0)
        return nullptr;
    return std::make_unique<VirtualHandle>(m_line, id, generation);
}

int VirtualReceiver::releaseNumber(const QByteArray& path)
{
    if (!m_line->isPlugged() || (path != kPointerPath && path != kCommandPath))
        return -1;
    return m_release.load();
}

VirtualFirmware VirtualReceiver::firmware() const
{
    return m_line->withFirmware([](const VirtualFirmware& fw) { return fw; });
}

std::vector<VirtualReceiver::Report> VirtualReceiver::receivedFrames() const
{
    return m_line->history();
}

void VirtualReceiver::clearReceivedFrames()
{
    m_line->clearHistory();
}

void VirtualReceiver::setEchoLatency(int ms)
{
    m_line->setLatency(ms);
}

int VirtualReceiver::echoLatency() const
{
    return m_line->latency();
}

bool VirtualReceiver::setFrameLogPath(const QString& path)
{
    return m_line->setLogPath(path);
}

template <typename F> void VirtualReceiver::changeFirmware(F&& change, bool bReport)
{
    const Report status = m_line->withFirmware([&change](VirtualFirmware& fw) {
        change(fw);
        return fw.statusReport();
    });
    if (bReport)
        m_line->deliver(status);
}

void VirtualReceiver::setBattery(quint16 reading, quint8 charging)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.setBattery(reading, charging); }, false);
}

void VirtualReceiver::setWriteStatus(quint8 status)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.setWriteStatus(status); }, false);
}

void VirtualReceiver::setAsleep(bool bAsleep)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.setAsleep(bAsleep); }, false);
}

void VirtualReceiver::mouseSelectsProfile(int iProfile)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.selectProfile(iProfile); }, true);
}

void VirtualReceiver::mouseSelectsDpiStage(int iStage)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.selectDpiStage(iStage); }, true);
}

void VirtualReceiver::mouseSelectsRate(quint8 rate)
{
    changeFirmware([=](VirtualFirmware& fw) { fw.selectRate(rate); }, true);
}

void VirtualReceiver::sendStatusReport()
{
    changeFirmware([](VirtualFirmware&) {}, true);
}

void VirtualReceiver::unplug()
{
    if (m_line->setPlugged(false))
        announce(false);
}

void VirtualReceiver::plug()
{
    if (m_line->setPlugged(true))
        announce(true);
}

bool VirtualReceiver::isPlugged() const
{
    return m_line->isPlugged();
}

void VirtualReceiver::setHotPlugListener(VirtualHotPlugListener listener)
{
    m_line->setHotPlugListener(std::move(listener));
}

void VirtualReceiver::announce(bool bArrived)
{
    const VirtualHotPlugListener listener = m_line->hotPlugListener();
    if (!listener)
        return;
    listener(VirtualHotPlugEvent{kPointerKind, kVendorId, kProductId, kPointerPath, bArrived});
    listener(VirtualHotPlugEvent{kCommandKind, kVendorId, kProductId, kCommandPath, bArrived});
}

void VirtualReceiver::injectFault(VirtualFault fault, int count, int command)
{
    m_line->addFault(fault, count, command);
}

void VirtualReceiver::clearFaults()
{
    m_line->clearFaults();
}
