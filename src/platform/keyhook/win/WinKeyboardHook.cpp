#include "platform/keyhook/KeyboardHook.h"

#include <windows.h>

namespace platform {

namespace {

// Low-level hook procedures carry no user pointer; one hook object is current at a time.
class WinKeyboardHook;
WinKeyboardHook* g_currentHook = nullptr;

class WinKeyboardHook : public KeyboardHook
{
public:
    ~WinKeyboardHook() override { uninstall(); }

    bool install(KeyHookCallback cb) override
    {
        if (!cb)
            return false;
        m_callback = std::move(cb);
        if (!m_hook) {
            // Hook type 13, no module, all threads; called on this thread's message loop.
            m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &WinKeyboardHook::hookProc, nullptr, 0);
            if (!m_hook) {
                m_callback = nullptr;
                return false;
            }
        }
        g_currentHook = this;
        return true;
    }

    void uninstall() override
    {
        if (m_hook) {
            UnhookWindowsHookEx(m_hook);
            m_hook = nullptr;
        }
        if (g_currentHook == this)
            g_currentHook = nullptr;
        m_callback = nullptr;
    }

private:
    static LRESULT CALLBACK hookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HC_ACTION && g_currentHook && g_currentHook->m_callback) {
            const KBDLLHOOKSTRUCT* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            RawKeyEvent raw;
            raw.scanCode = info->scanCode;
            raw.flags = info->flags;
            raw.virtualKey = info->vkCode;
            raw.bPressed = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
            raw.bAutoRepeat = false; // the low-level hook does not tell; repeats carry the same code and flags
            const KeyHookCallback callback = g_currentHook->m_callback;
            if (callback(raw))
                return 1;
        }
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    HHOOK m_hook = nullptr;
    KeyHookCallback m_callback;
};

} // namespace

std::unique_ptr<KeyboardHook> makeKeyboardHook()
{
    return std::make_unique<WinKeyboardHook>();
}

} // namespace platform
