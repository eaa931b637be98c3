#include "platform/keyhook/linux/NativeKeyMap.h"

#include <array>

namespace platform {

namespace {

constexpr quint32 kXkbOffset = 8; // xcb key codes are evdev codes + 8

// Windows virtual keys of the set-1 scan codes 0..88 without E0 prefix (keypad keys as with Num Lock on).
constexpr std::array<quint8, 89> kPlainVirtualKeys = {
    0x00, 0x1B, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0xBD, 0xBB, 0x08, 0x09, // 0x00
    0x51, 0x57, 0x45, 0x52, 0x54, 0x59, 0x55, 0x49, 0x4F, 0x50, 0xDB, 0xDD, 0x0D, 0xA2, 0x41, 0x53, // 0x10
    0x44, 0x46, 0x47, 0x48, 0x4A, 0x4B, 0x4C, 0xBA, 0xDE, 0xC0, 0xA0, 0xDC, 0x5A, 0x58, 0x43, 0x56, // 0x20
    0x42, 0x4E, 0x4D, 0xBC, 0xBE, 0xBF, 0xA1, 0x6A, 0xA4, 0x20, 0x14, 0x70, 0x71, 0x72, 0x73, 0x74, // 0x30
    0x75, 0x76, 0x77, 0x78, 0x79, 0x13, 0x91, 0x67, 0x68, 0x69, 0x6D, 0x64, 0x65, 0x66, 0x6B, 0x61, // 0x40
    0x62, 0x63, 0x60, 0x6E, 0x00, 0x00, 0xE2, 0x7A, 0x7B,                                           // 0x50
};

struct ExtendedKey
{
    quint32 evdev;
    quint8 scanCode;
    quint8 virtualKey;
};

// evdev keys that arrive with the E0 prefix on a PC keyboard; Num Lock too, as the Windows hook reports it.
// Media keys are left out: their scan codes would read as letters of the key table.
constexpr std::array<ExtendedKey, 19> kExtendedKeys = {{
    {69, 0x45, 0x90},  // Num Lock
    {96, 0x1C, 0x0D},  // keypad Enter
    {97, 0x1D, 0xA3},  // right Ctrl
    {98, 0x35, 0x6F},  // keypad /
    {99, 0x37, 0x2C},  // Print Screen
    {100, 0x38, 0xA5}, // right Alt
    {102, 0x47, 0x24}, // Home
    {103, 0x48, 0x26}, // Up
    {104, 0x49, 0x21}, // Page Up
    {105, 0x4B, 0x25}, // Left
    {106, 0x4D, 0x27}, // Right
    {107, 0x4F, 0x23}, // End
    {108, 0x50, 0x28}, // Down
    {109, 0x51, 0x22}, // Page Down
    {110, 0x52, 0x2D}, // Insert
    {111, 0x53, 0x2E}, // Delete
    {125, 0x5B, 0x5B}, // left Windows
    {126, 0x5C, 0x5C}, // right Windows
    {127, 0x5D, 0x5D}, // App
}};

} // namespace

bool set1KeyFromNative(quint32 nativeScanCode, Set1Key& key)
{
    if (nativeScanCode < kXkbOffset)
        return false;
    const quint32 evdev = nativeScanCode - kXkbOffset;
    for (const ExtendedKey& extended : kExtendedKeys) {
        if (extended.evdev == evdev) {
            key = {extended.scanCode, true, extended.virtualKey};
            return true;
        }
    }
    if (evdev == 119) { // Pause: the hook reports the Num Lock scan code without the prefix
        key = {0x45, false, 0x13};
        return true;
    }
    if (evdev >= kPlainVirtualKeys.size() || kPlainVirtualKeys[evdev] == 0)
        return false;
    key = {evdev, false, kPlainVirtualKeys[evdev]};
    return true;
}

} // namespace platform
