#include "buttons/core/ButtonFunction.h"

#include "store/keys/KeyCodes.h"

#include <algorithm>

namespace {

using namespace ButtonFunction;

// Device types with a rule of their own.
constexpr quint8 kTypeSingleKey = 0x90;
constexpr quint8 kTypeChord = 0x8F;
constexpr quint8 kTypeFireKey = 0x99;
constexpr quint8 kTypeSniper = 0x9A;
constexpr quint8 kTypeMacro = 0x91;
constexpr quint8 kTypeGunFile = 0x9D;

// Chord modifier bits: 1 Ctrl, 2 Shift, 4 Alt, 8 Windows key. Consumer usages go low byte first.
const std::array<ButtonFunctionRow, kButtonFunctionCount> kRows = {{
    {Left, "Left", "", true, {0x81, 0x00, 0x00, 0x00}},
    {Right, "Right", "", true, {0x82, 0x00, 0x00, 0x00}},
    {Middle, "Middle", "", true, {0x83, 0x00, 0x00, 0x00}},
    {Forward, "Forward", "", true, {0x85, 0x00, 0x00, 0x00}},
    {Back, "Back", "", true, {0x84, 0x00, 0x00, 0x00}},
    {SingleKey, "SINGLE KEY", "Advance", true, {kTypeSingleKey, 0x00, 0x00, 0x00}},
    {ComboKey, "COMBO KEY", "Advance", true, {kTypeChord, 0x00, 0x00, 0x00}},
    {FireKey, "FIRE KEY", "Advance", true, {kTypeFireKey, 0x00, 0x00, 0x00}},
    {Code13, nullptr, "", false, {0x30, 0x00, 0x00, 0x00}},
    {ButtonOff, "Button Off", "", true, {0x00, 0x00, 0x00, 0x00}},
    {Cut, "Cut", "Basic", true, {kTypeChord, 0x01, 0x1B, 0x00}},                      // Ctrl+X
    {Copy, "Copy", "Basic", true, {kTypeChord, 0x01, 0x06, 0x00}},                    // Ctrl+C
    {Paste, "Paste", "Basic", true, {kTypeChord, 0x01, 0x19, 0x00}},                  // Ctrl+V
    {SelectAll, "All", "Basic", true, {kTypeChord, 0x01, 0x04, 0x00}},                // Ctrl+A
    {Find, "Find", "Basic", true, {kTypeChord, 0x01, 0x09, 0x00}},                    // Ctrl+F
    {New, "New", "Basic", true, {kTypeChord, 0x01, 0x11, 0x00}},                      // Ctrl+N
    {Print, "Print", "Basic", true, {kTypeChord, 0x01, 0x13, 0x00}},                  // Ctrl+P
    {Save, "Save", "Basic", true, {kTypeChord, 0x01, 0x16, 0x00}},                    // Ctrl+S
    {SwitchWindow, "Switch Window", "Windows", true, {kTypeChord, 0x04, 0x2B, 0x00}}, // Alt+Tab
    {CloseWindow, "Close Window", "Windows", true, {kTypeChord, 0x04, 0x3D, 0x00}},   // Alt+F4
    {MyComputer, "My Computer", "Windows", true, {kTypeChord, 0x08, 0x08, 0x00}},     // Win+E
    {Run, "Run", "Windows", true, {kTypeChord, 0x08, 0x15, 0x00}},                    // Win+R
    {ShowDesktop, "Show Desktop", "Windows", true, {kTypeChord, 0x08, 0x07, 0x00}},   // Win+D
    {LockPc, "Lock PC", "Windows", true, {kTypeChord, 0x08, 0x0F, 0x00}},             // Win+L
    {BrowserHome, "Browser Home", "Windows", true, {0x8E, 0x01, 0x23, 0x02}},
    {BrowserBackward, "Browser Backward", "Windows", true, {0x8E, 0x01, 0x24, 0x02}},
    {BrowserForward, "Browser Forward", "Windows", true, {0x8E, 0x01, 0x25, 0x02}},
    {BrowserStop, "Browser Stop", "Windows", true, {0x8E, 0x01, 0x26, 0x02}},
    {BrowserRefresh, "Browser Refresh", "Windows", true, {0x8E, 0x01, 0x27, 0x02}},
    {BrowserSearch, "Browser Search", "Windows", true, {0x8E, 0x01, 0x21, 0x02}},
    {BrowserFavorite, "Browser Favorite", "Windows", true, {0x8E, 0x01, 0x2A, 0x02}},
    {Mail, "Mail", "Windows", true, {0x8E, 0x01, 0x8A, 0x01}},
    {PlayPause, "Play/Pause", "Media", true, {0x8E, 0x01, 0xCD, 0x00}},
    {Stop, "Stop", "Media", true, {0x8E, 0x01, 0xB7, 0x00}},
    {PreviousTrack, "Previous Track", "Media", true, {0x8E, 0x01, 0xB6, 0x00}},
    {NextTrack, "Next Track", "Media", true, {0x8E, 0x01, 0xB5, 0x00}},
    {VolumeUp, "Volume Up", "Media", true, {0x8E, 0x01, 0xE9, 0x00}},
    {VolumeDown, "Volume Down", "Media", true, {0x8E, 0x01, 0xEA, 0x00}},
    {Mute, "Mute", "Media", true, {0x8E, 0x01, 0xE2, 0x00}},
    {MediaPlayer, "Media Player", "Media", true, {0x8E, 0x01, 0x83, 0x01}},
    {DpiSwitch, "DPI Switch", "DPI", true, {0x88, 0x00, 0x00, 0x00}},
    {DpiUp, "DPI +", "DPI", true, {0x8A, 0x00, 0x00, 0x00}},
    {DpiDown, "DPI -", "DPI", true, {0x89, 0x00, 0x00, 0x00}},
    {RateUp, "Rate +", "Polling Rate", true, {0x97, 0x00, 0x00, 0x00}},
    {RateDown, "Rate -", "Polling Rate", true, {0x98, 0x00, 0x00, 0x00}},
    {ScrollUp, "Scroll Up", "extra", true, {0x8B, 0x00, 0x00, 0x00}},
    {ScrollDown, "Scroll Down", "extra", true, {0x8C, 0x00, 0x00, 0x00}},
    {LedSwitch, "Led Switch", "", true, {0x9B, 0x08, 0x00, 0x00}},
    {Sniper, "SNIPER", "Advance", true, {kTypeSniper, 0x01, 0x00, 0x00}},
    {ProfileUp, "Profile +", "Profile Menu", false, {0x94, 0x00, 0x00, 0x00}},
    {ProfileDown, "Profile -", "Profile Menu", false, {0x95, 0x00, 0x00, 0x00}},
    {ProfileSwitch, "Profile Switch", "Profile Menu", false, {0x8D, 0x00, 0x00, 0x00}},
    {Code60, nullptr, "", false, {0x9F, 0x00, 0x00, 0x00}},
    {Macro, "Macro Manager", "", true, {kTypeMacro, 0x00, 0x00, 0x00}},
    {GunFile, "GunFile Manager", "", false, {kTypeGunFile, 0x00, 0x00, 0x00}},
}};

// Sniper DPI codes of steps 0..10 (the first steps of the DPI stage tables of these sensors).
constexpr int kSniperSteps = 11;
constexpr quint8 kSniper3325[kSniperSteps] = {0, 2, 4, 6, 8, 11, 13, 15, 18, 20, 22};
constexpr quint8 kSniper3327[kSniperSteps] = {0, 4, 6, 9, 11, 13, 15, 18, 20, 22, 24};
constexpr quint8 kSniper3335[kSniperSteps] = {0, 0, 2, 3, 4, 5, 6, 7, 9, 10, 11};
constexpr quint8 kSniperUnknownSensor = 4;

quint8 sniperCode(int sensorModel, quint8 step)
{
    // A step from a file past the table takes the last entry.
    const int index = std::min<int>(step, kSniperSteps - 1);
    switch (sensorModel) {
    case 3325:
        return kSniper3325[index];
    case 3327:
        return kSniper3327[index];
    case 3335:
        return kSniper3335[index];
    case 3360:
        return step == 0 ? 0 : static_cast<quint8>(step - 1);
    case 3389:
    case 3212:
    case 3104:
        return step;
    default:
        return kSniperUnknownSensor;
    }
}

quint8 hidUsageOf(int keyCode)
{
    quint8 usage = 0;
    scanToHid(keyCode, usage);
    return usage;
}

// Combo: modifier bits from the pressed and released events (each key is listed twice), the last other key as
// the chord key.
DeviceEntry encodeCombo(const ButtonInfo& record)
{
    constexpr int kComboEvents = 10;
    int sum = 0;
    quint8 chordKey = 0;
    for (int i = 0; i < kComboEvents; ++i) {
        const quint8 usage = record.keys[i].map;
        if (usage == 0)
            continue;
        int keyCode = -1;
        hidToScan(usage, keyCode);
        switch (keyCode) {
        case 0x1D:
        case KeyCode::RightCtrl:
            sum += 1;
            break;
        case 0x2A:
        case 0x36:
            sum += 2;
            break;
        case 0x38:
        case KeyCode::RightAlt:
            sum += 4;
            break;
        case 0x5B:
        case 0x5C:
            sum += 8;
            break;
        default:
            chordKey = usage;
            break;
        }
    }
    return {kTypeChord, static_cast<quint8>(sum / 2), chordKey, 0x00};
}

DeviceEntry encodeFireKey(const ButtonInfo& record)
{
    constexpr quint8 kDefaultSource = 0x81; // left button
    constexpr quint8 kDefaultShots = 3;
    if (record.Res1 == 0)
        return {kTypeFireKey, kDefaultSource, kDefaultShots, 0x00};
    // The interval goes to the mouse in units of 10 ms.
    return {kTypeFireKey, record.Res1, static_cast<quint8>(record.LoopNumber & 0xFF),
            static_cast<quint8>((record.KeyNumber / 10) & 0xFF)};
}

quint8 macroSlotFor(const QString& name, MacroSlotMap& macroSlots)
{
    for (const auto& entry : macroSlots) {
        if (entry.second == name)
            return entry.first;
    }
    // The next number after those given; a map left part-emptied by a download must not lose a name, so a
    // taken number moves the new one further up.
    constexpr int kSlotNumbers = 0x100;
    if (macroSlots.size() >= kSlotNumbers)
        return 0xFF;
    int slot = static_cast<int>(macroSlots.size());
    while (macroSlots.count(static_cast<quint8>(slot % kSlotNumbers)) != 0)
        ++slot;
    slot %= kSlotNumbers;
    macroSlots[static_cast<quint8>(slot)] = name;
    return static_cast<quint8>(slot);
}

DeviceEntry encodeMacro(ButtonInfo& record, MacroSlotMap& macroSlots)
{
    constexpr quint8 kRepeatWhileHeld = 0x80;
    constexpr quint8 kRepeatUntilPressed = 0x40;
    const quint8 type = record.Fun == GunFile ? kTypeGunFile : kTypeMacro;
    const quint8 slot = macroSlotFor(record.macroname, macroSlots);
    record.Res4 = slot;
    switch (record.Res1) {
    case 1:
        return {type, static_cast<quint8>(slot + kRepeatWhileHeld), 0xFF, 0xFF};
    case 2:
        return {type, static_cast<quint8>(slot + kRepeatUntilPressed), 0xFF, 0xFF};
    default:
        // Loop count, 16 bits low byte first; an unknown loop mode is sent as a loop count too.
        return {type, slot, static_cast<quint8>(record.LoopNumber & 0xFF),
                static_cast<quint8>((record.LoopNumber >> 8) & 0xFF)};
    }
}

} // namespace

const std::array<ButtonFunctionRow, kButtonFunctionCount>& buttonFunctionRows()
{
    return kRows;
}

const ButtonFunctionRow* buttonFunctionRow(int code)
{
    for (const ButtonFunctionRow& row : kRows) {
        if (row.code == code)
            return &row;
    }
    return nullptr;
}

const char* buttonFunctionText(int code)
{
    const ButtonFunctionRow* row = buttonFunctionRow(code);
    return row ? row->entryText : nullptr;
}

DeviceEntry deviceEntryFor(int code)
{
    const ButtonFunctionRow* row = buttonFunctionRow(code);
    return row ? row->entry : DeviceEntry{0, 0, 0, 0};
}

DeviceEntry encodeButtonEntry(ButtonInfo& record, int sensorModel, MacroSlotMap& macroSlots)
{
    switch (record.Fun) {
    case SingleKey:
        return {kTypeSingleKey, 0x00, hidUsageOf(record.Res1), 0x00};
    case ComboKey:
        return encodeCombo(record);
    case FireKey:
        return encodeFireKey(record);
    case Sniper: {
        const quint8 code = sniperCode(sensorModel, record.Res1);
        return {kTypeSniper, 0x01, code, code};
    }
    case Macro:
    case GunFile:
        return encodeMacro(record, macroSlots);
    default:
        return deviceEntryFor(record.Fun);
    }
}

bool hasOtherLeftClick(const ProfileData& profile, int iBtn)
{
    for (int i = 0; i < kButtonSlotCount; ++i) {
        if (i != iBtn && profile.buttons[i].Fun == Left)
            return true;
    }
    return false;
}

void setComboEvents(ButtonInfo& record, const std::vector<int>& keyCodes)
{
    constexpr int kMaxComboKeys = 5;
    constexpr quint8 kComboLow = 5;
    constexpr quint8 kPressHigh = 0x80;
    record.keys.fill(KeyInfo{});
    int count = 0;
    for (int keyCode : keyCodes) {
        if (keyCode == 0)
            continue;
        if (count == kMaxComboKeys)
            break;
        const quint8 usage = hidUsageOf(keyCode);
        // Press and release go in the middle: presses in order, releases in reverse order.
        std::copy_backward(record.keys.begin() + count, record.keys.end() - 2, record.keys.end());
        record.keys[count] = KeyInfo{usage, kComboLow, kPressHigh};
        record.keys[count + 1] = KeyInfo{usage, kComboLow, 0x00};
        ++count;
    }
}
