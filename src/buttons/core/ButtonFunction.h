#pragma once

#include "buttons/core/ButtonTable.h"
#include "store/ConfigData.h"

#include <QtGlobal>

#include <array>
#include <vector>

// Function codes stored in ButtonInfo::Fun.
namespace ButtonFunction {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 3;
constexpr int Forward = 4;
constexpr int Back = 5;
constexpr int SingleKey = 6;
constexpr int ComboKey = 7;
constexpr int FireKey = 12;
constexpr int Code13 = 13; // has a device entry, no menu entry
constexpr int ButtonOff = 16;
constexpr int Cut = 17;
constexpr int Copy = 18;
constexpr int Paste = 19;
constexpr int SelectAll = 20;
constexpr int Find = 21;
constexpr int New = 22;
constexpr int Print = 23;
constexpr int Save = 24;
constexpr int SwitchWindow = 25;
constexpr int CloseWindow = 26;
constexpr int MyComputer = 27;
constexpr int Run = 28;
constexpr int ShowDesktop = 29;
constexpr int LockPc = 30;
constexpr int BrowserHome = 31;
constexpr int BrowserBackward = 32;
constexpr int BrowserForward = 33;
constexpr int BrowserStop = 34;
constexpr int BrowserRefresh = 35;
constexpr int BrowserSearch = 36;
constexpr int BrowserFavorite = 37;
constexpr int Mail = 38;
constexpr int PlayPause = 39;
constexpr int Stop = 40;
constexpr int PreviousTrack = 41;
constexpr int NextTrack = 42;
constexpr int VolumeUp = 43;
constexpr int VolumeDown = 44;
constexpr int Mute = 45;
constexpr int MediaPlayer = 46;
constexpr int DpiSwitch = 47;
constexpr int DpiUp = 48;
constexpr int DpiDown = 49;
constexpr int RateUp = 50;
constexpr int RateDown = 51;
constexpr int ScrollUp = 52;
constexpr int ScrollDown = 53;
constexpr int LedSwitch = 54;
constexpr int Sniper = 55;
constexpr int ProfileUp = 57;
constexpr int ProfileDown = 58;
constexpr int ProfileSwitch = 59;
constexpr int Code60 = 60; // default of record 7 on "OSKEN R5"; no menu entry
constexpr int Macro = 200;
constexpr int GunFile = 510;
} // namespace ButtonFunction

using DeviceEntry = std::array<quint8, kDeviceEntrySize>; // type, p1, p2, p3

// Where the button window offers a function: the top level (or the extra-button menu) or a submenu.
enum class MenuCategory
{
    TopLevel,
    Advance,
    Basic,
    Windows,
    Media,
    Dpi,
    PollingRate,
    ProfileMenu,
};
// The submenu title ("Advance", "Polling Rate", ...); nullptr for the top level.
const char* menuCategoryText(MenuCategory category);

struct ButtonFunctionRow
{
    int code;
    const char* entryText; // exact English text; nullptr for codes without a menu entry
    MenuCategory category;
    bool offered;      // offered by the menus of the button window
    DeviceEntry entry; // fixed entry; the codes with their own rule compute theirs in encodeButtonEntry
};

constexpr int kButtonFunctionCount = 55;
// All codes that exist, ascending.
const std::array<ButtonFunctionRow, kButtonFunctionCount>& buttonFunctionRows();
// The row of a code, nullptr when the code does not exist.
const ButtonFunctionRow* buttonFunctionRow(int code);
// The entry text of a code, nullptr when it has none.
const char* buttonFunctionText(int code);

// The fixed device entry of a code; 00 00 00 00 (the entry of "Button Off") for a code that does not exist.
DeviceEntry deviceEntryFor(int code);

// The four bytes the mouse receives for one record. Macro and gun-file records get a slot in `macroSlots` and
// keep it in Res4. `sensorModel` selects the DPI codes of the sniper.
DeviceEntry encodeButtonEntry(ButtonInfo& record, int sensorModel, MacroSlotMap& macroSlots);

// True when a record other than iBtn among the 42 holds "Left".
bool hasOtherLeftClick(const ProfileData& profile, int iBtn);

// Rebuilds the key events of a combo record from up to five key codes (0 = no key): every event zeroed,
// then presses in order followed by releases in reverse order. The other fields stay as they were.
void setComboEvents(ButtonInfo& record, const std::vector<int>& keyCodes);
