#include "buttons/core/ButtonFunction.h"

#include "store/keys/KeyCodes.h"

#include <algorithm>

namespace {

using namespace ButtonFunction;

// Device types with a rule of their own.
constexpr quint8 kTypeSingleKey = 0x90;
constexpr quint8 kChord = 0x8F;
constexpr quint8 kTypeFireKey = 0x99;
constexpr quint8 kTypeSniper = 0x9A;
constexpr quint8 kTypeMacro = 0x91;
constexpr quint8 kTypeGunFile = 0x9D;
constexpr quint8 kConsumer = 0x8E; // p1 = 1, p2 p3 = consumer usage

using C = MenuCategory;

// Texts are marked for the one catalogue; the window passes them through uiText.
// Chord modifier bits: 1 Ctrl, 2 Shift, 4 Alt, 8 Windows key. Consumer usages go low byte first.
// clang-format off
const std::array<ButtonFunctionRow, kButtonFunctionCount> kRows = {{
    {Left, QT_TRANSLATE_NOOP("Osken", "Left"), C::TopLevel, true, {0x81, 0x00, 0x00, 0x00}},
    {Right, QT_TRANSLATE_NOOP("Osken", "Right"), C::TopLevel, true, {0x82, 0x00, 0x00, 0x00}},
    {Middle, QT_TRANSLATE_NOOP("Osken", "Middle"), C::TopLevel, true, {0x83, 0x00, 0x00, 0x00}},
    {Forward, QT_TRANSLATE_NOOP("Osken", "Forward"), C::TopLevel, true, {0x85, 0x00, 0x00, 0x00}},
    {Back, QT_TRANSLATE_NOOP("Osken", "Back"), C::TopLevel, true, {0x84, 0x00, 0x00, 0x00}},
    {SingleKey, QT_TRANSLATE_NOOP("Osken", "SINGLE KEY"), C::Advance, true, {kTypeSingleKey, 0x00, 0x00, 0x00}},
    {ComboKey, QT_TRANSLATE_NOOP("Osken", "COMBO KEY"), C::Advance, true, {kChord, 0x00, 0x00, 0x00}},
    {FireKey, QT_TRANSLATE_NOOP("Osken", "FIRE KEY"), C::Advance, true, {kTypeFireKey, 0x00, 0x00, 0x00}},
    {Code13, nullptr, C::TopLevel, false, {0x30, 0x00, 0x00, 0x00}},
    {ButtonOff, QT_TRANSLATE_NOOP("Osken", "Button Off"), C::TopLevel, true, {0x00, 0x00, 0x00, 0x00}},
    {Cut, QT_TRANSLATE_NOOP("Osken", "Cut"), C::Basic, true, {kChord, 0x01, 0x1B, 0x00}}, // Ctrl+X
    {Copy, QT_TRANSLATE_NOOP("Osken", "Copy"), C::Basic, true, {kChord, 0x01, 0x06, 0x00}}, // Ctrl+C
    {Paste, QT_TRANSLATE_NOOP("Osken", "Paste"), C::Basic, true, {kChord, 0x01, 0x19, 0x00}}, // Ctrl+V
    {SelectAll, QT_TRANSLATE_NOOP("Osken", "All"), C::Basic, true, {kChord, 0x01, 0x04, 0x00}}, // Ctrl+A
    {Find, QT_TRANSLATE_NOOP("Osken", "Find"), C::Basic, true, {kChord, 0x01, 0x09, 0x00}}, // Ctrl+F
    {New, QT_TRANSLATE_NOOP("Osken", "New"), C::Basic, true, {kChord, 0x01, 0x11, 0x00}}, // Ctrl+N
    {Print, QT_TRANSLATE_NOOP("Osken", "Print"), C::Basic, true, {kChord, 0x01, 0x13, 0x00}}, // Ctrl+P
    {Save, QT_TRANSLATE_NOOP("Osken", "Save"), C::Basic, true, {kChord, 0x01, 0x16, 0x00}}, // Ctrl+S
    // Alt+Tab, Alt+F4, Win+E, Win+R, Win+D, Win+L
    {SwitchWindow, QT_TRANSLATE_NOOP("Osken", "Switch Window"), C::Windows, true, {kChord, 0x04, 0x2B, 0x00}},
    {CloseWindow, QT_TRANSLATE_NOOP("Osken", "Close Window"), C::Windows, true, {kChord, 0x04, 0x3D, 0x00}},
    {MyComputer, QT_TRANSLATE_NOOP("Osken", "My Computer"), C::Windows, true, {kChord, 0x08, 0x08, 0x00}},
    {Run, QT_TRANSLATE_NOOP("Osken", "Run"), C::Windows, true, {kChord, 0x08, 0x15, 0x00}},
    {ShowDesktop, QT_TRANSLATE_NOOP("Osken", "Show Desktop"), C::Windows, true, {kChord, 0x08, 0x07, 0x00}},
    {LockPc, QT_TRANSLATE_NOOP("Osken", "Lock PC"), C::Windows, true, {kChord, 0x08, 0x0F, 0x00}},
    {BrowserHome, QT_TRANSLATE_NOOP("Osken", "Browser Home"), C::Windows, true, {kConsumer, 0x01, 0x23, 0x02}},
    {BrowserBackward, QT_TRANSLATE_NOOP("Osken", "Browser Backward"), C::Windows, true, {kConsumer, 0x01, 0x24, 0x02}},
    {BrowserForward, QT_TRANSLATE_NOOP("Osken", "Browser Forward"), C::Windows, true, {kConsumer, 0x01, 0x25, 0x02}},
    {BrowserStop, QT_TRANSLATE_NOOP("Osken", "Browser Stop"), C::Windows, true, {kConsumer, 0x01, 0x26, 0x02}},
    {BrowserRefresh, QT_TRANSLATE_NOOP("Osken", "Browser Refresh"), C::Windows, true, {kConsumer, 0x01, 0x27, 0x02}},
    {BrowserSearch, QT_TRANSLATE_NOOP("Osken", "Browser Search"), C::Windows, true, {kConsumer, 0x01, 0x21, 0x02}},
    {BrowserFavorite, QT_TRANSLATE_NOOP("Osken", "Browser Favorite"), C::Windows, true, {kConsumer, 0x01, 0x2A, 0x02}},
    {Mail, QT_TRANSLATE_NOOP("Osken", "Mail"), C::Windows, true, {kConsumer, 0x01, 0x8A, 0x01}},
    {PlayPause, QT_TRANSLATE_NOOP("Osken", "Play/Pause"), C::Media, true, {kConsumer, 0x01, 0xCD, 0x00}},
    {Stop, QT_TRANSLATE_NOOP("Osken", "Stop"), C::Media, true, {kConsumer, 0x01, 0xB7, 0x00}},
    {PreviousTrack, QT_TRANSLATE_NOOP("Osken", "Previous Track"), C::Media, true, {kConsumer, 0x01, 0xB6, 0x00}},
    {NextTrack, QT_TRANSLATE_NOOP("Osken", "Next Track"), C::Media, true, {kConsumer, 0x01, 0xB5, 0x00}},
    {VolumeUp, QT_TRANSLATE_NOOP("Osken", "Volume Up"), C::Media, true, {kConsumer, 0x01, 0xE9, 0x00}},
    {VolumeDown, QT_TRANSLATE_NOOP("Osken", "Volume Down"), C::Media, true, {kConsumer, 0x01, 0xEA, 0x00}},
    {Mute, QT_TRANSLATE_NOOP("Osken", "Mute"), C::Media, true, {kConsumer, 0x01, 0xE2, 0x00}},
    {MediaPlayer, QT_TRANSLATE_NOOP("Osken", "Media Player"), C::Media, true, {kConsumer, 0x01, 0x83, 0x01}},
    {DpiSwitch, QT_TRANSLATE_NOOP("Osken", "DPI Switch"), C::Dpi, true, {0x88, 0x00, 0x00, 0x00}},
    {DpiUp, QT_TRANSLATE_NOOP("Osken", "DPI +"), C::Dpi, true, {0x8A, 0x00, 0x00, 0x00}},
    {DpiDown, QT_TRANSLATE_NOOP("Osken", "DPI -"), C::Dpi, true, {0x89, 0x00, 0x00, 0x00}},
    {RateUp, QT_TRANSLATE_NOOP("Osken", "Rate +"), C::PollingRate, true, {0x97, 0x00, 0x00, 0x00}},
    {RateDown, QT_TRANSLATE_NOOP("Osken", "Rate -"), C::PollingRate, true, {0x98, 0x00, 0x00, 0x00}},
    {ScrollUp, QT_TRANSLATE_NOOP("Osken", "Scroll Up"), C::TopLevel, true, {0x8B, 0x00, 0x00, 0x00}},
    {ScrollDown, QT_TRANSLATE_NOOP("Osken", "Scroll Down"), C::TopLevel, true, {0x8C, 0x00, 0x00, 0x00}},
    {LedSwitch, QT_TRANSLATE_NOOP("Osken", "Led Switch"), C::TopLevel, true, {0x9B, 0x08, 0x00, 0x00}},
    {Sniper, QT_TRANSLATE_NOOP("Osken", "SNIPER"), C::Advance, true, {kTypeSniper, 0x01, 0x00, 0x00}},
    {ProfileUp, QT_TRANSLATE_NOOP("Osken", "Profile +"), C::ProfileMenu, false, {0x94, 0x00, 0x00, 0x00}},
    {ProfileDown, QT_TRANSLATE_NOOP("Osken", "Profile -"), C::ProfileMenu, false, {0x95, 0x00, 0x00, 0x00}},
    {ProfileSwitch, QT_TRANSLATE_NOOP("Osken", "Profile Switch"), C::ProfileMenu, false, {0x8D, 0x00, 0x00, 0x00}},
    {Code60, nullptr, C::TopLevel, false, {0x9F, 0x00, 0x00, 0x00}},
    {Macro, QT_TRANSLATE_NOOP("Osken", "Macro Manager"), C::TopLevel, true, {kTypeMacro, 0x00, 0x00, 0x00}},
    {GunFile, QT_TRANSLATE_NOOP("Osken", "GunFile Manager"), C::TopLevel, false, {kTypeGunFile, 0x00, 0x00, 0x00}},
}};
// clang-format on

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
    return {kChord, static_cast<quint8>(sum / 2), chordKey, 0x00};
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

const char* menuCategoryText(MenuCategory category)
{
    switch (category) {
    case MenuCategory::Advance:
        return QT_TRANSLATE_NOOP("Osken", "Advance");
    case MenuCategory::Basic:
        return QT_TRANSLATE_NOOP("Osken", "Basic");
    case MenuCategory::Windows:
        return QT_TRANSLATE_NOOP("Osken", "Windows");
    case MenuCategory::Media:
        return QT_TRANSLATE_NOOP("Osken", "Media");
    case MenuCategory::Dpi:
        return QT_TRANSLATE_NOOP("Osken", "DPI");
    case MenuCategory::PollingRate:
        return QT_TRANSLATE_NOOP("Osken", "Polling Rate");
    case MenuCategory::ProfileMenu:
        return QT_TRANSLATE_NOOP("Osken", "Profile Menu");
    case MenuCategory::TopLevel:
        break;
    }
    return nullptr;
}

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
