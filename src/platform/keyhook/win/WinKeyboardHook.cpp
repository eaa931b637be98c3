#include "platform/keyhook/KeyboardHook.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

class WinKeyboardHook;

// Low-level hook procedures carry no user pointer, and every installed hook would call the procedure
// once per key: one system hook serves all hook objects, and the one installed last gets the keys.
HHOOK g_systemHook = nullptr;
std::vector<WinKeyboardHook*> g_hooks;

class WinKeyboardHook : public KeyboardHook
{
public:
    ~WinKeyboardHook() override { uninstall(); }

    bool install(KeyHookCallback cb) override
    {
        if (!cb)
            return false;
        if (!g_systemHook) {
            // Hook type 13, no module, all threads; called on this thread's message loop.
            g_systemHook = SetWindowsHookExW(WH_KEYBOARD_LL, &WinKeyboardHook::hookProc, nullptr, 0);
            if (!g_systemHook)
                return false;
        }
        m_callback = std::move(cb);
        g_hooks.erase(std::remove(g_hooks.begin(), g_hooks.end(), this), g_hooks.end());
        g_hooks.push_back(this);
        return true;
    }

    void uninstall() override
    {
        const auto found = std::find(g_hooks.begin(), g_hooks.end(), this);
        if (found == g_hooks.end())
            return;
        g_hooks.erase(found);
        m_callback = nullptr;
        if (g_hooks.empty() && g_systemHook) {
            UnhookWindowsHookEx(g_systemHook);
            g_systemHook = nullptr;
        }
    }

private:
    static LRESULT CALLBACK hookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HC_ACTION && !g_hooks.empty() && g_hooks.back()->m_callback) {
            const KBDLLHOOKSTRUCT* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            RawKeyEvent raw;
            raw.scanCode = info->scanCode;
            raw.flags = info->flags;
            raw.virtualKey = info->vkCode;
            raw.bPressed = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
            raw.bAutoRepeat = false; // the low-level hook does not tell; repeats carry the same code and flags
            // A copy: the callback may uninstall its own hook.
            const KeyHookCallback callback = g_hooks.back()->m_callback;
            if (callback(raw))
                return 1;
        }
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    KeyHookCallback m_callback;
};

} // namespace

std::unique_ptr<KeyboardHook> makeKeyboardHook()
{
    return std::make_unique<WinKeyboardHook>();
}

} // namespace platform
