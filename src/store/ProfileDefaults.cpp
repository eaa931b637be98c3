#include "store/ProfileDefaults.h"

#include "store/AppSettings.h"

namespace {

constexpr int kKeyFun = 6;

void setStages(ProfileData& profile, const std::array<quint32, kDpiStageCount>& codes)
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo& stage = profile.stages[i];
        stage.used = 1;
        stage.link = 1;
        stage.xy = stage.x = stage.y = codes[i];
    }
}

void setWirelessMouseDefaults(ProfileData& profile)
{
    profile.LedMode = 9;
    setStages(profile, {5, 10, 20, 30, 50, 0});
    const int funs[] = {1, 2, 3, 4, 5, 47};
    for (int b = 0; b < 6; ++b)
        profile.buttons[b].Fun = funs[b];
    // Key codes of the digit keys "1".."0", then "Num +" and "Num -".
    const quint8 keys[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 78, 74};
    for (int i = 0; i < 12; ++i) {
        profile.buttons[20 + i].Fun = kKeyFun;
        profile.buttons[20 + i].Res1 = keys[i];
    }
    profile.buttons[40].Fun = 52;
    profile.buttons[41].Fun = 53;
}

void setOskenR5Defaults(ProfileData& profile)
{
    profile.LedMode = 9;
    setStages(profile, {8, 12, 16, 24, 50, 75});
    const int funs[] = {1, 2, 3, 4, 5, 4, 5, 60};
    for (int b = 0; b < 8; ++b)
        profile.buttons[b].Fun = funs[b];
    profile.buttons[40].Fun = 52;
    profile.buttons[41].Fun = 53;
}

} // namespace

void setProfileDefaults(ProfileData& profile)
{
    setProfileDefaults(profile, readCurrentProductName());
}

void setProfileDefaults(ProfileData& profile, const QString& productName)
{
    profile = ProfileData{};
    profile.pollrate = 1;
    profile.dpi = 1;
    profile.LedMode = 1;
    profile.accelenable = 1;
    profile.acee = 1;
    profile.scrollispage = 0;
    profile.scrollspeed = 1;
    profile.mousespeed = 10;
    profile.dbclickspeed = 5;

    if (productName == QLatin1String("Wireless Mouse"))
        setWirelessMouseDefaults(profile);
    else if (productName == QLatin1String("OSKEN R5"))
        setOskenR5Defaults(profile);

    for (LedModeInfo& mode : profile.modes) {
        mode.RGB = RgbColor::fromRgb(255, 0, 0);
        mode.h = 360;
        mode.s = 0;
        mode.v = 0;
        mode.bright = 3;
        mode.breath = 3;
    }
    profile.modes[4].breath = 2;
    profile.modes[9].breath = 4;
    profile.modes[10].breath = 5;
    profile.modes[10].RGB = RgbColor::fromRgb(0, 255, 0);
    profile.modes[12].breath = 1;
}

void resetAllProfiles(ConfigData& config)
{
    const QString productName = readCurrentProductName();
    config.ProfileID = 0;
    config.LiftHigh = 0;
    config.AngleValue = 0;
    // Every slot, as the confirmation "reset all profiles" promises the user.
    for (int i = 0; i < kSlotCount; ++i) {
        setProfileDefaults(config.slots[i], productName);
        config.slotProfileNames[i] = defaultProfileName(i);
    }
}

QString defaultProfileName(int iSlot)
{
    return QStringLiteral("Profile %1").arg(iSlot + 1);
}

bool isDefaultProfileName(const QString& name)
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (name == defaultProfileName(i))
            return true;
    }
    return false;
}
