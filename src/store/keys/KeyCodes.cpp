#include "store/keys/KeyCodes.h"

// Letters in usage order, digits, the block from Enter to CapsLock, function keys, navigation block, keypad,
// then the modifiers.
const std::array<KeyCodePair, kKeyCodeTableSize> KeyCodeTable = {{
    {30, 0x04},
    {48, 0x05},
    {46, 0x06},
    {32, 0x07},
    {18, 0x08},
    {33, 0x09},
    {34, 0x0A},
    {35, 0x0B},
    {23, 0x0C},
    {36, 0x0D},
    {37, 0x0E},
    {38, 0x0F},
    {50, 0x10},
    {49, 0x11},
    {24, 0x12},
    {25, 0x13},
    {16, 0x14},
    {19, 0x15},
    {31, 0x16},
    {20, 0x17},
    {22, 0x18},
    {47, 0x19},
    {17, 0x1A},
    {45, 0x1B},
    {21, 0x1C},
    {44, 0x1D},
    // 1..9, 0
    {2, 0x1E},
    {3, 0x1F},
    {4, 0x20},
    {5, 0x21},
    {6, 0x22},
    {7, 0x23},
    {8, 0x24},
    {9, 0x25},
    {10, 0x26},
    {11, 0x27},
    // Enter, Esc, Backspace, Tab, Space, - = [ ] \ ; ' ` , . /, CapsLock
    {28, 0x28},
    {1, 0x29},
    {14, 0x2A},
    {15, 0x2B},
    {57, 0x2C},
    {12, 0x2D},
    {13, 0x2E},
    {26, 0x2F},
    {27, 0x30},
    {43, 0x31},
    {39, 0x33},
    {40, 0x34},
    {41, 0x35},
    {51, 0x36},
    {52, 0x37},
    {53, 0x38},
    {58, 0x39},
    // F1..F12
    {59, 0x3A},
    {60, 0x3B},
    {61, 0x3C},
    {62, 0x3D},
    {63, 0x3E},
    {64, 0x3F},
    {65, 0x40},
    {66, 0x41},
    {67, 0x42},
    {68, 0x43},
    {87, 0x44},
    {88, 0x45},
    // Print Screen, Scroll Lock, Pause Break, Insert, Home, Page Up, Delete, End, Page Down, Right, Left, Down, Up
    {55, 0x46},
    {70, 0x47},
    {69, 0x48},
    {82, 0x49},
    {71, 0x4A},
    {73, 0x4B},
    {83, 0x4C},
    {79, 0x4D},
    {81, 0x4E},
    {77, 0x4F},
    {75, 0x50},
    {80, 0x51},
    {72, 0x52},
    // Num Lock, / * - + Enter, 1..9, 0, De, App
    {225, 0x53},
    {226, 0x54},
    {227, 0x55},
    {74, 0x56},
    {78, 0x57},
    {229, 0x58},
    {230, 0x59},
    {231, 0x5A},
    {232, 0x5B},
    {233, 0x5C},
    {76, 0x5D},
    {234, 0x5E},
    {235, 0x5F},
    {236, 0x60},
    {228, 0x61},
    {237, 0x62},
    {224, 0x63},
    {93, 0x65},
    // LShift, LCtr, LWindows, LAlt, RAlt, RWindows, RCtr, RShift
    {42, 0xE1},
    {29, 0xE0},
    {91, 0xE3},
    {56, 0xE2},
    {239, 0xE6},
    {92, 0xE7},
    {238, 0xE4},
    {54, 0xE5},
}};

bool scanToHid(int keyCode, quint8& hidUsage)
{
    bool found = false;
    for (const KeyCodePair& pair : KeyCodeTable) {
        if (pair.keyCode == keyCode) {
            hidUsage = pair.hidUsage;
            found = true;
        }
    }
    return found;
}

bool hidToScan(int hidUsage, int& keyCode)
{
    bool found = false;
    for (const KeyCodePair& pair : KeyCodeTable) {
        if (pair.hidUsage == hidUsage) {
            keyCode = pair.keyCode;
            found = true;
        }
    }
    return found;
}

namespace {

const char* const kNames1To93[] = {
    nullptr, "Esc",       "1",        "2",        "3",        "4",           "5",           "6",
    "7",     "8",         "9",        "0",        "-",        "=",           "Backspace",   "Tab",
    "Q",     "W",         "E",        "R",        "T",        "Y",           "U",           "I",
    "O",     "P",         "[",        "]",        "Enter",    "LCtr",        "A",           "S",
    "D",     "F",         "G",        "H",        "J",        "K",           "L",           ";",
    "'",     "`",         "LShift",   "\\",       "Z",        "X",           "C",           "V",
    "B",     "N",         "M",        ",",        ".",        "/",           "RShift",      "Print Screen",
    "LAlt",  "Space",     "CapsLock", "F1",       "F2",       "F3",          "F4",          "F5",
    "F6",    "F7",        "F8",       "F9",       "F10",      "Pause Break", "Scroll Lock", "Home",
    "Up",    "Page Up",   "Num -",    "Left",     "Num 5",    "Right",       "Num +",       "End",
    "Down",  "Page Down", "Insert",   "Delete",   nullptr,    nullptr,       nullptr,       "F11",
    "F12",   nullptr,     nullptr,    "LWindows", "RWindows", "App",
};
static_assert(sizeof(kNames1To93) / sizeof(kNames1To93[0]) == 94, "names of codes 0..93");

const char* const kNames224To242[] = {
    "Num De", "Num Lock", "Num /",       "Num *",        "Num 9",         "Num Enter", "Num 1",
    "Num 2",  "Num 3",    "Num 4",       "Num 6",        "Num 7",         "Num 8",     "Num 0",
    "RCtr",   "RAlt",     "Left Button", "Right Button", "Middle Button",
};
static_assert(sizeof(kNames224To242) / sizeof(kNames224To242[0]) == 19, "names of codes 224..242");

// Scan codes shared by two keys: the keypad key (or the other key) takes a code from 224 up.
struct SharedScanCode
{
    quint8 scanCode;
    bool extended; // which of the two states is remapped
    quint8 keyCode;
};

constexpr SharedScanCode kSharedScanCodes[] = {
    {0x53, false, KeyCode::NumDel},  {0x45, true, KeyCode::NumLock}, {0x35, true, KeyCode::NumSlash},
    {0x37, false, KeyCode::NumStar}, {0x49, false, KeyCode::Num9},   {0x1C, true, KeyCode::NumEnter},
    {0x4F, false, KeyCode::Num1},    {0x50, false, KeyCode::Num2},   {0x51, false, KeyCode::Num3},
    {0x4B, false, KeyCode::Num4},    {0x4D, false, KeyCode::Num6},   {0x47, false, KeyCode::Num7},
    {0x48, false, KeyCode::Num8},    {0x52, false, KeyCode::Num0},   {0x1D, true, KeyCode::RightCtrl},
};

constexpr quint32 kAltScanCode = 56;
constexpr quint32 kRightAltVirtualKey = 165; // VK_RMENU

} // namespace

QString keyName(int keyCode)
{
    const char* name = nullptr;
    if (keyCode >= 0 && keyCode <= 93)
        name = kNames1To93[keyCode];
    else if (keyCode >= KeyCode::NumDel && keyCode <= KeyCode::MiddleButton)
        name = kNames224To242[keyCode - KeyCode::NumDel];
    return name ? QString::fromLatin1(name) : QString();
}

NormalisedKey normaliseScanCode(quint32 scanCode, quint32 flags, quint32 virtualKey, KeyHook hook)
{
    // The recorder treats a press with Alt held as a plain press and hands on flag word 0.
    if (hook == KeyHook::MacroRecorder && (flags & KeyFlag::Released) == 0 && (flags & KeyFlag::AltDown) != 0)
        flags = 0;

    NormalisedKey result;
    result.flags = flags;
    // Set-1 scan codes fit a byte; anything wider is no key this program knows.
    if (scanCode > 0xFF)
        return result;
    result.keyCode = static_cast<int>(scanCode);

    if (scanCode == kAltScanCode) {
        bool rightAlt = false;
        if (hook == KeyHook::MacroRecorder) {
            rightAlt = virtualKey == kRightAltVirtualKey;
        } else {
            const quint32 withoutAlt = flags & ~KeyFlag::AltDown;
            rightAlt = withoutAlt == KeyFlag::Extended || withoutAlt == (KeyFlag::Extended | KeyFlag::Released);
        }
        if (rightAlt)
            result.keyCode = KeyCode::RightAlt;
        return result;
    }

    const quint32 withoutRelease = flags & ~KeyFlag::Released;
    const bool notExtended = withoutRelease == 0;
    const bool extended = withoutRelease == KeyFlag::Extended;
    for (const SharedScanCode& shared : kSharedScanCodes) {
        if (shared.scanCode == scanCode && (shared.extended ? extended : notExtended)) {
            result.keyCode = shared.keyCode;
            break;
        }
    }
    return result;
}
