#pragma once

#include "store/ConfigData.h"

#include <QByteArray>
#include <QString>

// From the product Config.ini: active slot, angle, lift, Count and the five slot names, then each slot's
// record from the profile file of its name. A slot without a usable stored name gets its default name
// "Profile k"; a slot whose profile file does not exist yet gets the product defaults. An active slot
// beyond the five reads as slot 0.
void loadConfig(ConfigData& config);
// Into the product Config.ini: active slot, angle, lift, Count and all five slot names; then every slot's
// record into the profile file of its name. False if any file could not be stored or a slot name cannot
// be a profile file (that slot is then not written).
bool saveConfig(const ConfigData& config);
// The slot assignment alone (active slot, Count, the five names), as a profile rename rewrites it.
bool saveSlotAssignment(const ConfigData& config);

// A whole configuration in one file: the Config keys and the five records under PROFILE_0..PROFILE_4.
bool exportConfig(const ConfigData& config, const QString& path);
// Reads such a file into `config`. False, with `config` untouched, when a slot name in the file could not
// be a profile file of the profile folder or names two slots.
bool importConfig(ConfigData& config, const QString& path);
// The same from a file's bytes read already.
bool importConfigFrom(ConfigData& config, const QByteArray& fileData);
