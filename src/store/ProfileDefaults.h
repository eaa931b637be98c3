#pragma once

#include "store/ConfigData.h"

#include <QString>

// Factory defaults of the product named by Config/CurrentProductName: overwrites every field.
void setProfileDefaults(ProfileData& profile);
// The same for a given product name ("Wireless Mouse", "OSKEN R5" or any other).
void setProfileDefaults(ProfileData& profile, const QString& productName);

// Active slot 0, lift and angle 0, every one of the five slots gets the product defaults and the slots are
// named "Profile 1".."Profile 5"; Count keeps its value.
void resetAllProfiles(ConfigData& config);

// "Profile 1".."Profile 5": the default profiles, which can be neither deleted nor renamed.
QString defaultProfileName(int iSlot);
bool isDefaultProfileName(const QString& name);
