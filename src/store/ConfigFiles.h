#pragma once

#include "store/ConfigData.h"
#include "store/ProfileFileResult.h"

#include <QString>

// From the product Config.ini: active slot, angle, lift, Count and the five slot names, then each slot's
// record from the profile file of its name (loadSlotRecord). A slot without a usable stored name gets its
// default name "Profile k"; a slot whose profile file does not exist yet, or cannot be used, gets the
// product defaults. An active slot beyond the five reads as slot 0. Done, or why the first slot whose file
// could not be used got the defaults.
ProfileFileResult loadConfig(ConfigData& config);
// Into the product Config.ini: active slot, angle, lift, Count and all five slot names; then every slot's
// record into the profile file of its name. False if any file could not be stored or a slot name cannot
// be a profile file (that slot is then not written).
bool saveConfig(const ConfigData& config);
// The slot assignment alone (active slot, Count, the five names), as a profile rename rewrites it.
bool saveSlotAssignment(const ConfigData& config);

// A whole configuration in one file: the Config keys and the five records under PROFILE_0..PROFILE_4.
bool exportConfig(const ConfigData& config, const QString& path);
// Reads such a file, tagged for `productName`, into `config`. Empty slot names (an earlier version stored
// only slot 1's) become "Profile k", or a free "Profile n" when another slot has that name. Refused, with
// `config` untouched: not a regular file, unreadable, NotThisMouse, InvalidName (a slot name that could not
// be a profile file), SharedName (one profile for two slots), Damaged (a slot record is not complete).
[[nodiscard]] ProfileFileResult importConfig(ConfigData& config, const QString& path, const QString& productName);
