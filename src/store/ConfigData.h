#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The whole settings state the program can put on the mouse. Plain value types: copying a record copies
// every field. Field order, widths and counts are those the profile files and the device frames rely on.

constexpr int kSlotCount = 5;
constexpr int kDpiStageCount = 6;
constexpr int kButtonSlotCount = 42;
constexpr int kKeyStepCount = 63;
constexpr int kLedModeCount = 14;

// A colour with an invalid state, the form the lighting entries keep (red, green, blue, or none).
struct RgbColor
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    bool valid = false;

    static RgbColor fromRgb(quint8 r, quint8 g, quint8 b) { return RgbColor{r, g, b, true}; }
    bool operator==(const RgbColor& o) const
    {
        return valid == o.valid && (!valid || (red == o.red && green == o.green && blue == o.blue));
    }
    bool operator!=(const RgbColor& o) const { return !(*this == o); }
};

struct DpiInfo
{
    quint8 used = 0; // 1 = stage is in the cycle
    quint8 link = 0; // 1 = X and Y resolution linked
    quint32 xy = 0;  // resolution code when linked
    quint32 x = 0;   // X resolution code
    quint32 y = 0;   // Y resolution code
};

struct KeyInfo
{
    quint8 map = 0;
    quint8 low = 0;
    quint8 high = 0;
};

struct ButtonInfo
{
    qint32 ID = 0;
    qint32 Fun = 0; // function code; 200 = macro
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    std::array<KeyInfo, kKeyStepCount> keys{};
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;
};

struct LedModeInfo
{
    RgbColor RGB;
    quint32 h = 0;
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0;
};

struct ProfileData
{
    quint8 pollrate = 0; // report-rate code 1, 2, 4, 8
    quint8 dpi = 0;      // active DPI stage 0..5
    quint8 LedMode = 0;  // active lighting mode 0..13
    std::array<DpiInfo, kDpiStageCount> stages{};
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    std::array<ButtonInfo, kButtonSlotCount> buttons{};
    std::array<LedModeInfo, kLedModeCount> modes{};
    QString ProfileName;
    QString ProfilePath;
};

// Qt's `slots` keyword macro would swallow the member name; code that includes QObject reaches the
// records through slot() and activeSlot().
#pragma push_macro("slots")
#undef slots
struct ConfigData
{
    quint8 ProfileID = 0; // active slot 0..4
    std::array<ProfileData, kSlotCount> slots{};
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Count = 0;
    std::array<QString, kSlotCount> slotProfileNames;

    ProfileData& activeSlot() { return slots[ProfileID % kSlotCount]; }
    const ProfileData& activeSlot() const { return slots[ProfileID % kSlotCount]; }
    ProfileData& slot(int iSlot) { return slots[unsigned(iSlot) % kSlotCount]; }
    const ProfileData& slot(int iSlot) const { return slots[unsigned(iSlot) % kSlotCount]; }
};
#pragma pop_macro("slots")

// Groups of device writes a change needs.
using ChangeMask = unsigned int;
namespace ChangeBits {
constexpr ChangeMask Basic = 0x01;    // report rate, scroll, lift, active slot, active DPI stage, active lighting
constexpr ChangeMask Dpi = 0x02;      // DPI stage tables
constexpr ChangeMask Buttons = 0x04;  // button tables and macros
constexpr ChangeMask Lighting = 0x08; // lighting
constexpr ChangeMask All = 0x0F;
} // namespace ChangeBits
