#pragma once

#include "macro/core/MacroEvent.h"

#include <QtGlobal>

#include <array>
#include <vector>

// The mouse's macro memory: 20 slots of 200 bytes, slot n at bytes 200n .. 200n + 199 (the device addresses
// are the same offsets).
constexpr int kMacroSlotBytes = 200;
constexpr int kMacroSlotCount = 20;
constexpr int kMacroImageSize = kMacroSlotBytes * kMacroSlotCount;
static_assert(kMacroImageSize == 4000, "macro memory size");

// The encoder's staging area holds 63 three-byte places; without delay events every fifth place is a
// separator, so at most 47 events fit then.
constexpr int kMacroStagePlaces = 63;
constexpr int kMacroCapacityWithDelay = 63;
constexpr int kMacroCapacityWithoutDelay = 47;

struct MacroImage
{
    std::array<quint8, kMacroImageSize> bytes{};
};

// Writes the 200 bytes of `slot` (0..19; any other slot changes nothing and returns false). Events past the
// capacity are dropped (logged).
bool encodeMacroStream(const std::vector<MacroEvent>& events, int slot, MacroImage& image);
