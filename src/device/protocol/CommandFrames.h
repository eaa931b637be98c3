#pragma once

#include "device/Frame.h"
#include "store/ConfigData.h"

#include <array>
#include <vector>

// Pure encoders of the command frames: record in, frames out, in send order. The checksum byte is left 0;
// the verified write fills it in (fillChecksum for anything printed or sent otherwise).

Frame encodeSetWriteSession(quint8 mode);
Frame encodeReloadSection(quint8 mask);
// The five reloads of a write-out or a slot change, in the mouse's order.
std::vector<Frame> encodeReloadAll();
// The switch itself and the reload of section 0x01 that always follows it.
std::vector<Frame> encodeSwitchProfile(quint8 index);

// Effect code of the settings block for a lighting mode 0..13; 6 for any other mode.
quint8 lightingEffectCode(quint8 ledMode);

constexpr int kSettingsBlockLength = 19;
std::array<quint8, kSettingsBlockLength> settingsBlockPayload(const ConfigData& config);
// Settings block and its commit.
std::vector<Frame> encodeSettingsBlock(const ConfigData& config);

// The mouse's button block: two head bytes and 24 entries of four bytes, filled elsewhere.
constexpr int kButtonBlockSize = 98;
using ButtonBlock = std::array<quint8, kButtonBlockSize>;
// Head, four blocks of entries, the four 0xFF bytes after the table (device addresses 98..101), commit.
std::vector<Frame> encodeButtonTable(const ButtonBlock& block);

// Ten device lighting slots of eight bytes built from the profile's mode entries.
constexpr int kLightSlotCount = 10;
constexpr int kLightSlotSize = 8;
using LightingImage = std::array<quint8, kLightSlotCount * kLightSlotSize>;
LightingImage lightingImage(const ProfileData& profile);
std::vector<Frame> encodeLightingTable(const ProfileData& profile);

// The battery query goes out unverified, so it carries its checksum (0x24) already.
Frame batteryQueryFrame();
