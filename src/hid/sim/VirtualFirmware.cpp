#include "hid/sim/VirtualFirmware.h"

namespace {
// Frame bytes as the mouse reads them.
constexpr int kId = 0;
constexpr int kSum = 1;
constexpr int kMagic = 2;
constexpr int kCommand = 3;
constexpr int kParam1 = 4; // address low
constexpr int kParam2 = 5; // address high
constexpr int kLength = 6;
constexpr int kPhase = 7;
constexpr int kData = 8;
constexpr int kMaxBlock = 24;

constexpr quint8 kOutputReportId = 0x05;
constexpr quint8 kMagicValue = 0xFA;
constexpr quint8 kSumMask = 0x66;

constexpr quint8 kFirstTableCommand = 0x01;
constexpr quint8 kMacroCommand = 0x05;
constexpr quint8 kReload = 0x40;
constexpr quint8 kReloadKey = 0xF3;
constexpr quint8 kSwitchProfile = 0x44;
constexpr quint8 kSession = 0x46;
constexpr quint8 kBatteryQuery = 0x48;
constexpr quint8 kStatus = 0x49;

constexpr quint8 kOpenBlock = 0xD1;
constexpr quint8 kNextBlock = 0xD2;
constexpr quint8 kCommit = 0xD3;
constexpr quint8 kCommitByte = 0x1A;
constexpr int kTableCommitAddress = 0x7F;
constexpr int kMacroCommitAddress = 0x0FFF;

constexpr int kProfiles = 5;

// Settings block bytes the mouse acts on.
constexpr int kSetProfile = 6;
constexpr int kSetRates = 11;
constexpr int kSetDpiStage = 17;
constexpr int kSetEffect = 18;

// Table spans: settings 19 bytes, 1 + 6 x 5 DPI bytes, 98 button bytes + 4 end marks, 10 x 8 lighting bytes.
constexpr int kTableSizes[VirtualFirmware::TableCount] = {19, 31, 102, 80, 4000};

bool checksumMatches(const VirtualFirmware::Report& frame)
{
    unsigned sum = 0;
    for (int i = kMagic; i < kData; ++i)
        sum += frame[i];
    return static_cast<quint8>((sum & 0xFF) ^ kSumMask) == frame[kSum];
}
} // namespace

int VirtualFirmware::tableSize(Table table)
{
    return kTableSizes[table];
}

VirtualFirmware::VirtualFirmware()
{
    for (int t = 0; t < TableCount; ++t) {
        m_committed[t].assign(static_cast<size_t>(kTableSizes[t]), 0);
        m_staging[t] = m_committed[t];
    }
}

std::vector<VirtualFirmware::Report> VirtualFirmware::receive(const Report& frame)
{
    if (m_asleep) {
        // The receiver answers for a mouse out of reach with zeros.
        Report zero{};
        if (frame[kCommand] == kBatteryQuery)
            return {batteryReply()};
        return {zero};
    }
    if (frame[kId] != kOutputReportId || frame[kMagic] != kMagicValue || !checksumMatches(frame)) {
        ++m_rejected;
        return {};
    }
    const quint8 command = frame[kCommand];
    if (command == kBatteryQuery)
        return {batteryReply()};
    const bool understood = (command >= kFirstTableCommand && command <= kMacroCommand) ? applyTableFrame(frame)
                                                                                        : applySimpleCommand(frame);
    if (!understood)
        ++m_rejected;
    return {frame};
}

bool VirtualFirmware::applyTableFrame(const Report& frame)
{
    const auto table = static_cast<Table>(frame[kCommand] - kFirstTableCommand);
    const int address = frame[kParam1] | (frame[kParam2] << 8);
    const int length = frame[kLength];
    const quint8 phase = frame[kPhase];
    if (length > kMaxBlock)
        return false;

    if (phase == kCommit) {
        const int commitAddress = table == Macros ? kMacroCommitAddress : kTableCommitAddress;
        if (!m_open[table] || address != commitAddress || length != 1 || frame[kData] != kCommitByte)
            return false;
        m_committed[table] = m_staging[table];
        m_open[table] = false;
        if (table == Settings)
            applySettings();
        return true;
    }
    if (address + length > kTableSizes[table])
        return false;
    if (phase == kOpenBlock) {
        m_staging[table] = m_committed[table];
        m_open[table] = true;
    } else if (phase != kNextBlock || !m_open[table]) {
        return false;
    }
    for (int i = 0; i < length; ++i)
        m_staging[table][static_cast<size_t>(address + i)] = frame[kData + i];
    return true;
}

bool VirtualFirmware::applySimpleCommand(const Report& frame)
{
    switch (frame[kCommand]) {
    case kReload:
        if (frame[kParam1] != kReloadKey)
            return false;
        m_reloadMasks.push_back(frame[kParam2]);
        return true;
    case kSwitchProfile:
        if (frame[kParam1] >= kProfiles)
            return false;
        m_activeProfile = frame[kParam1];
        ++m_profileSwitches;
        keepInSettings();
        return true;
    case kSession:
        if (frame[kParam1] == 0) {
            m_sessionOpen = true;
            ++m_sessionBegins;
            return true;
        }
        if (frame[kParam1] == 1) {
            m_sessionOpen = false;
            ++m_sessionEnds;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void VirtualFirmware::applySettings()
{
    const std::vector<quint8>& block = m_committed[Settings];
    if (block[kSetProfile] < kProfiles)
        m_activeProfile = block[kSetProfile];
    for (int i = 0; i < kProfiles; ++i)
        m_rates[static_cast<size_t>(i)] = block[static_cast<size_t>(kSetRates + i)];
    m_dpiStage = block[kSetDpiStage];
    m_lightingEffect = block[kSetEffect];
}

VirtualFirmware::Report VirtualFirmware::batteryReply() const
{
    Report reply{};
    reply[kId] = kOutputReportId;
    reply[kCommand] = kBatteryQuery;
    if (!m_asleep) {
        reply[4] = static_cast<quint8>(m_batteryReading & 0xFF);
        reply[5] = static_cast<quint8>(m_batteryReading >> 8);
        reply[6] = m_charging;
        reply[7] = m_writeStatus;
    }
    return reply;
}

VirtualFirmware::Report VirtualFirmware::statusReport() const
{
    Report report{};
    report[kId] = kOutputReportId;
    report[kCommand] = kStatus;
    report[4] = static_cast<quint8>(m_activeProfile);
    report[5] = static_cast<quint8>(m_dpiStage);
    report[6] = m_rates[static_cast<size_t>(m_activeProfile)];
    return report;
}

QByteArray VirtualFirmware::table(Table table) const
{
    const std::vector<quint8>& bytes = m_committed[table];
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

quint8 VirtualFirmware::reportRate(int iSlot) const
{
    if (iSlot < 0 || iSlot >= kProfiles)
        return 0;
    return m_rates[static_cast<size_t>(iSlot)];
}

void VirtualFirmware::keepInSettings()
{
    std::vector<quint8>& block = m_committed[Settings];
    block[kSetProfile] = static_cast<quint8>(m_activeProfile);
    for (int i = 0; i < kProfiles; ++i)
        block[static_cast<size_t>(kSetRates + i)] = m_rates[static_cast<size_t>(i)];
    block[kSetDpiStage] = static_cast<quint8>(m_dpiStage);
}

void VirtualFirmware::selectProfile(int iProfile)
{
    if (iProfile >= 0 && iProfile < kProfiles)
        m_activeProfile = iProfile;
    m_asleep = false;
    keepInSettings();
}

void VirtualFirmware::selectDpiStage(int iStage)
{
    if (iStage >= 0 && iStage < 6)
        m_dpiStage = iStage;
    m_asleep = false;
    keepInSettings();
}

void VirtualFirmware::selectRate(quint8 rate)
{
    m_rates[static_cast<size_t>(m_activeProfile)] = rate;
    m_asleep = false;
    keepInSettings();
}

void VirtualFirmware::setBattery(quint16 reading, quint8 charging)
{
    m_batteryReading = reading;
    m_charging = charging;
}
