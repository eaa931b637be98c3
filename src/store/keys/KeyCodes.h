#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// A key code is the set-1 scan code of the key, except for keys that share their scan code with another key;
// those have codes from 224 up. 240..242 are the mouse buttons (names, no HID usage).
namespace KeyCode {
constexpr int NumDel = 224;
constexpr int NumLock = 225;
constexpr int NumSlash = 226;
constexpr int NumStar = 227;
constexpr int Num9 = 228;
constexpr int NumEnter = 229;
constexpr int Num1 = 230;
constexpr int Num2 = 231;
constexpr int Num3 = 232;
constexpr int Num4 = 233;
constexpr int Num6 = 234;
constexpr int Num7 = 235;
constexpr int Num8 = 236;
constexpr int Num0 = 237;
constexpr int RightCtrl = 238;
constexpr int RightAlt = 239;
constexpr int LeftButton = 240;
constexpr int RightButton = 241;
constexpr int MiddleButton = 242;
} // namespace KeyCode

struct KeyCodePair
{
    quint8 keyCode;
    quint8 hidUsage; // USB HID Keyboard/Keypad page
};

constexpr int kKeyCodeTableSize = 104;
extern const std::array<KeyCodePair, kKeyCodeTableSize> KeyCodeTable;

// True and the usage when the code is in the table; false and `hidUsage` untouched otherwise.
bool scanToHid(int keyCode, quint8& hidUsage);
// The reverse lookup, same rules.
bool hidToScan(int hidUsage, int& keyCode);
// English display name; empty for a code without one.
QString keyName(int keyCode);

// The two keyboard hooks differ in how they see right Alt and the Alt-down flag.
enum class KeyHook
{
    KeyCapture,    // the key capture dialogs
    MacroRecorder, // the macro recorder
};

namespace KeyFlag {
constexpr quint32 Extended = 0x01;
constexpr quint32 AltDown = 0x20;
constexpr quint32 Released = 0x80;
} // namespace KeyFlag

struct NormalisedKey
{
    int keyCode = 0;
    quint32 flags = 0; // the flag word handed on (the recorder clears it for presses with Alt held)
};

// Hook record (scan code, flag word, virtual key) -> key code.
NormalisedKey normaliseScanCode(quint32 scanCode, quint32 flags, quint32 virtualKey, KeyHook hook);
