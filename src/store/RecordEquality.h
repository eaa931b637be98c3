#pragma once

#include "store/ConfigData.h"

// Field-by-field equality of the settings records, strings included; colours compare as RgbColor does
// (two invalid colours are equal).
bool operator==(const DpiInfo& a, const DpiInfo& b);
bool operator==(const KeyInfo& a, const KeyInfo& b);
bool operator==(const ButtonInfo& a, const ButtonInfo& b);
bool operator==(const LedModeInfo& a, const LedModeInfo& b);
bool operator==(const ProfileData& a, const ProfileData& b);
bool operator==(const ConfigData& a, const ConfigData& b);

inline bool operator!=(const ProfileData& a, const ProfileData& b)
{
    return !(a == b);
}
inline bool operator!=(const ConfigData& a, const ConfigData& b)
{
    return !(a == b);
}
