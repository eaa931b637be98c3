#pragma once

#include "platform/keyhook/KeyboardHook.h"

// Stands in for the system hook: the test sends key events through the callback the editor installed.
class FakeKeyboardHook : public platform::KeyboardHook
{
public:
    bool install(platform::KeyHookCallback cb) override
    {
        callback = std::move(cb);
        ++installs;
        return true;
    }
    void uninstall() override { callback = nullptr; }

    bool installed() const { return static_cast<bool>(callback); }
    // Sends one key; returns false when no hook is installed.
    bool key(quint32 scanCode, bool bPressed, bool bAutoRepeat = false)
    {
        if (!callback)
            return false;
        platform::RawKeyEvent event;
        event.scanCode = scanCode;
        event.flags = bPressed ? 0 : platform::RawKeyFlag::Released;
        event.bPressed = bPressed;
        event.bAutoRepeat = bAutoRepeat;
        callback(event);
        return true;
    }

    platform::KeyHookCallback callback;
    int installs = 0;
};
