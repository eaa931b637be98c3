#include "device/protocol/CommandFrames.h"

#include "device/protocol/CommandCodes.h"

namespace {

// Simple commands carry their two parameters where a table write has its address.
Frame simpleFrame(quint8 command, quint8 parameter1, quint8 parameter2 = 0)
{
    return makeFrame(command, static_cast<quint16>(parameter1 | (parameter2 << 8)), 0);
}

// Settings block payload offsets.
namespace Settings {
constexpr int ScrollSpeed = 0; // one byte per slot, 0..4
constexpr int LiftHigh = 5;
constexpr int ProfileId = 6;
constexpr int Fixed = 7; // four bytes 0x01
constexpr int FixedCount = 4;
constexpr int PollRate = 11; // one byte per slot, 11..15
constexpr int Marker = 16;   // always 0x1F
constexpr int ActiveDpi = 17;
constexpr int Effect = 18;
constexpr quint8 FixedValue = 0x01;
constexpr quint8 MarkerValue = 0x1F;
} // namespace Settings
static_assert(Settings::Effect + 1 == kSettingsBlockLength, "settings block is 19 bytes");

constexpr std::array<quint8, kLedModeCount> kEffectCodes{1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
constexpr quint8 kUnknownEffectCode = 6;

// Button block framing: head, then entries in blocks of 24, then four 0xFF bytes at device address 98.
constexpr int kButtonHeadSize = 2;
constexpr int kButtonPadSize = 4;
constexpr quint8 kButtonPadValue = 0xFF;
static_assert(kButtonHeadSize + 4 * FrameLayout::MaxPayload == kButtonBlockSize, "24 entries of 4 bytes");

// One device lighting slot: which mode entry fills it and how its eight bytes are made.
struct LightSlotLayout
{
    int modeEntry;
    bool colour;   // bytes 1..3 red, green, blue; else 0
    quint8 effect; // byte 4
    bool speed;    // byte 5 the entry's speed (breath); else 0
    quint8 byte6;  // fixed
    bool bright;   // byte 7 the entry's brightness; else byte7
    quint8 byte7;
};
constexpr quint8 kLightSlotEnabled = 0x80; // byte 0 of every slot

// Device slot k answers to effect code k + 1. Modes 5..8 have no slot of their own: they send effect code 6,
// the slot of mode 9.
constexpr std::array<LightSlotLayout, kLightSlotCount> kLightSlots{{
    {0, false, 0x00, false, 0x00, false, 0x00},
    {1, true, 0x01, false, 0x02, true, 0x00},
    {2, true, 0x01, true, 0x04, false, 0x03},
    {3, false, 0x01, true, 0x01, false, 0x03},
    {4, false, 0x01, true, 0x08, true, 0x00},
    {9, false, 0x05, true, 0x01, true, 0x00},
    {11, false, 0x07, false, 0x00, true, 0x00},
    {10, false, 0x06, true, 0x00, true, 0x00},
    {12, false, 0x08, true, 0x00, true, 0x00},
    {13, false, 0x09, true, 0x00, true, 0x00},
}};

// The lighting image goes out as 24, 24, 24 and 8 bytes.
constexpr int kLightingBlock = FrameLayout::MaxPayload;
static_assert(kLightSlotCount * kLightSlotSize == 3 * kLightingBlock + kLightSlotSize, "lighting blocks");

// Cuts data into blocks of at most 24 bytes at consecutive addresses; only the first block may open the table.
std::vector<Frame> encodeBlocks(quint8 command, const quint8* data, int size, int firstAddress, quint8 firstPhase)
{
    std::vector<Frame> frames;
    for (int offset = 0; offset < size; offset += FrameLayout::MaxPayload) {
        const int length = qMin(FrameLayout::MaxPayload, size - offset);
        frames.push_back(makeFrame(command, static_cast<quint16>(firstAddress + offset),
                                   frames.empty() ? firstPhase : kPhaseNext, data + offset, length));
    }
    return frames;
}

} // namespace

Frame encodeSetWriteSession(quint8 mode)
{
    return simpleFrame(ProtocolCommand::WriteSession, mode);
}

Frame encodeReloadSection(quint8 mask)
{
    return simpleFrame(ProtocolCommand::Reload, kReloadParameter, mask);
}

std::vector<Frame> encodeReloadAll()
{
    std::vector<Frame> frames;
    for (quint8 mask : kReloadOrder)
        frames.push_back(encodeReloadSection(mask));
    return frames;
}

std::vector<Frame> encodeSwitchProfile(quint8 index)
{
    return {simpleFrame(ProtocolCommand::SwitchProfile, index), encodeReloadSection(kReloadAfterSwitch)};
}

quint8 lightingEffectCode(quint8 ledMode)
{
    return ledMode < kEffectCodes.size() ? kEffectCodes[ledMode] : kUnknownEffectCode;
}

std::array<quint8, kSettingsBlockLength> settingsBlockPayload(const ConfigData& config)
{
    std::array<quint8, kSettingsBlockLength> payload{};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        payload[Settings::ScrollSpeed + slot] = config.slots[slot].scrollspeed;
        payload[Settings::PollRate + slot] = config.slots[slot].pollrate;
    }
    payload[Settings::LiftHigh] = config.LiftHigh;
    payload[Settings::ProfileId] = config.ProfileID;
    for (int i = 0; i < Settings::FixedCount; ++i)
        payload[Settings::Fixed + i] = Settings::FixedValue;
    payload[Settings::Marker] = Settings::MarkerValue;
    payload[Settings::ActiveDpi] = config.activeSlot().dpi;
    payload[Settings::Effect] = lightingEffectCode(config.activeSlot().LedMode);
    return payload;
}

std::vector<Frame> encodeSettingsBlock(const ConfigData& config)
{
    const auto payload = settingsBlockPayload(config);
    return {makeFrame(ProtocolCommand::SettingsBlock, 0, kPhaseFirst, payload.data(), kSettingsBlockLength),
            makeCommitFrame(ProtocolCommand::SettingsBlock)};
}

std::vector<Frame> encodeButtonTable(const ButtonBlock& block)
{
    std::vector<Frame> frames;
    frames.push_back(makeFrame(ProtocolCommand::Buttons, 0, kPhaseFirst, block.data(), kButtonHeadSize));
    const auto entries = encodeBlocks(ProtocolCommand::Buttons, block.data() + kButtonHeadSize,
                                      kButtonBlockSize - kButtonHeadSize, kButtonHeadSize, kPhaseNext);
    frames.insert(frames.end(), entries.begin(), entries.end());
    const std::array<quint8, kButtonPadSize> pad{kButtonPadValue, kButtonPadValue, kButtonPadValue, kButtonPadValue};
    frames.push_back(makeFrame(ProtocolCommand::Buttons, kButtonBlockSize, kPhaseNext, pad.data(), kButtonPadSize));
    frames.push_back(makeCommitFrame(ProtocolCommand::Buttons));
    return frames;
}

LightingImage lightingImage(const ProfileData& profile)
{
    LightingImage image{};
    for (int k = 0; k < kLightSlotCount; ++k) {
        const LightSlotLayout& layout = kLightSlots[k];
        const LedModeInfo& entry = profile.modes[layout.modeEntry];
        quint8* slot = image.data() + k * kLightSlotSize;
        slot[0] = kLightSlotEnabled;
        // An unset colour goes out black, as an invalid colour reads.
        if (layout.colour && entry.RGB.valid) {
            slot[1] = entry.RGB.red;
            slot[2] = entry.RGB.green;
            slot[3] = entry.RGB.blue;
        }
        slot[4] = layout.effect;
        slot[5] = layout.speed ? static_cast<quint8>(entry.breath) : 0;
        slot[6] = layout.byte6;
        slot[7] = layout.bright ? static_cast<quint8>(entry.bright) : layout.byte7;
    }
    return image;
}

std::vector<Frame> encodeLightingTable(const ProfileData& profile)
{
    const LightingImage image = lightingImage(profile);
    std::vector<Frame> frames =
        encodeBlocks(ProtocolCommand::Lighting, image.data(), static_cast<int>(image.size()), 0, kPhaseFirst);
    frames.push_back(makeCommitFrame(ProtocolCommand::Lighting));
    return frames;
}

Frame batteryQueryFrame()
{
    Frame frame = simpleFrame(ProtocolCommand::Battery, 0);
    fillChecksum(frame);
    return frame;
}
