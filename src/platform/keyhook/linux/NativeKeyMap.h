#pragma once

#include <QtGlobal>

namespace platform {

struct Set1Key
{
    quint32 scanCode = 0;   // without the E0 prefix
    bool bExtended = false; // E0-prefixed key
    quint32 virtualKey = 0; // Windows virtual-key code
};

// X11/xcb native scan code (evdev code + 8) to the set-1 key a Windows keyboard hook would report;
// false for keys this program has no code for.
bool set1KeyFromNative(quint32 nativeScanCode, Set1Key& key);

} // namespace platform
