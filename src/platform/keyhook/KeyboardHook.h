#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

namespace platform {

// Flag bits of RawKeyEvent::flags, as the Windows low-level keyboard hook reports them.
namespace RawKeyFlag {
constexpr quint32 Extended = 0x01; // the key's scan code comes after an E0 prefix
constexpr quint32 AltDown = 0x20;  // an Alt key is held
constexpr quint32 Released = 0x80; // key up
} // namespace RawKeyFlag

// One key event as the system hands it over, before any key-code normalisation.
struct RawKeyEvent
{
    quint32 scanCode = 0;   // set-1 scan code without the E0 prefix
    quint32 flags = 0;      // RawKeyFlag bits
    quint32 virtualKey = 0; // Windows virtual-key code (VK_RMENU = 165 ...), 0 when unknown
    bool bPressed = false;
    bool bAutoRepeat = false;
};

// Returns true to swallow the key (no other program or widget sees it).
using KeyHookCallback = std::function<bool(const RawKeyEvent&)>;

// One process-wide keyboard hook. Windows sees every key of the desktop; Linux sees the keys that reach
// this program's windows. Installing again replaces the callback; destruction uninstalls. While several
// are installed, the one installed last gets the keys.
class KeyboardHook
{
public:
    virtual ~KeyboardHook() = default;
    virtual bool install(KeyHookCallback cb) = 0;
    virtual void uninstall() = 0;
};

std::unique_ptr<KeyboardHook> makeKeyboardHook();

} // namespace platform
