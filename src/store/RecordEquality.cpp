#include "store/RecordEquality.h"

bool operator==(const DpiInfo& a, const DpiInfo& b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const KeyInfo& a, const KeyInfo& b)
{
    return a.map == b.map && a.low == b.low && a.high == b.high;
}

bool operator==(const ButtonInfo& a, const ButtonInfo& b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber &&
           a.keys == b.keys && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4 &&
           a.macroname == b.macroname;
}

bool operator==(const LedModeInfo& a, const LedModeInfo& b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright && a.breath == b.breath;
}

bool operator==(const ProfileData& a, const ProfileData& b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode && a.stages == b.stages &&
           a.mousespeed == b.mousespeed && a.dbclickspeed == b.dbclickspeed && a.scrollispage == b.scrollispage &&
           a.scrollspeed == b.scrollspeed && a.accelenable == b.accelenable && a.acee == b.acee &&
           a.buttons == b.buttons && a.modes == b.modes && a.ProfileName == b.ProfileName &&
           a.ProfilePath == b.ProfilePath;
}

bool operator==(const ConfigData& a, const ConfigData& b)
{
    return a.ProfileID == b.ProfileID && a.slots == b.slots && a.AngleValue == b.AngleValue &&
           a.LiftHigh == b.LiftHigh && a.Count == b.Count && a.slotProfileNames == b.slotProfileNames;
}
