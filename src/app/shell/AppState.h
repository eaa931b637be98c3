#pragma once

#include "store/ConfigData.h"

#include <atomic>

// The process-wide settings state and flags that several windows share. GUI thread only, except the
// mouse-asleep flag, which the status display sets and the write-out reads.
struct AppState
{
    ConfigData workingConfig; // what the editors change
    ConfigData savedConfig;   // as last loaded or written
    std::atomic<bool> mouseAsleep{false};
};

AppState& appState();

// Index 0..4 of the slot being edited.
inline int activeSlotIndex(const ConfigData& config)
{
    return config.ProfileID % kSlotCount;
}
