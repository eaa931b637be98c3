#include "platform/keyhook/linux/EventFilterKeyboardHook.h"

#include "platform/keyhook/linux/NativeKeyMap.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace platform {

namespace {
// As on Windows, only the hook installed last gets the keys while several are installed.
std::vector<const EventFilterKeyboardHook*> g_hooks;
} // namespace

EventFilterKeyboardHook::EventFilterKeyboardHook() = default;

EventFilterKeyboardHook::~EventFilterKeyboardHook()
{
    uninstall();
}

bool EventFilterKeyboardHook::install(KeyHookCallback cb)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !cb)
        return false;
    m_callback = std::move(cb);
    if (!m_bInstalled) {
        app->installEventFilter(this);
        m_bInstalled = true;
    }
    g_hooks.erase(std::remove(g_hooks.begin(), g_hooks.end(), this), g_hooks.end());
    g_hooks.push_back(this);
    m_lastEvent = nullptr;
    return true;
}

void EventFilterKeyboardHook::uninstall()
{
    if (m_bInstalled) {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeEventFilter(this);
        m_bInstalled = false;
    }
    g_hooks.erase(std::remove(g_hooks.begin(), g_hooks.end(), this), g_hooks.end());
    m_callback = nullptr;
}

bool EventFilterKeyboardHook::eventFilter(QObject* watched, QEvent* event)
{
    if (m_callback && !g_hooks.empty() && g_hooks.back() == this &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return handleKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool EventFilterKeyboardHook::handleKey(QKeyEvent* keyEvent)
{
    const quint32 native = keyEvent->nativeScanCode();
    if (keyEvent == m_lastEvent && keyEvent->type() == m_iLastType && native == m_lastScanCode &&
        keyEvent->timestamp() == m_lastTimestamp)
        return m_bLastSwallowed;

    Set1Key key;
    if (!set1KeyFromNative(native, key))
        return false;
    const bool bPressed = keyEvent->type() == QEvent::KeyPress;
    if (key.scanCode == 0x38) {
        bool& bHeld = key.bExtended ? m_bRightAltHeld : m_bLeftAltHeld;
        bHeld = bPressed;
    }
    RawKeyEvent raw;
    raw.scanCode = key.scanCode;
    raw.virtualKey = key.virtualKey;
    raw.bPressed = bPressed;
    raw.bAutoRepeat = keyEvent->isAutoRepeat();
    raw.flags = (key.bExtended ? RawKeyFlag::Extended : 0u) | (bPressed ? 0u : RawKeyFlag::Released) |
                (m_bLeftAltHeld || m_bRightAltHeld ? RawKeyFlag::AltDown : 0u);

    const KeyHookCallback callback = m_callback; // the callback may uninstall the hook
    const bool bSwallow = callback(raw);
    m_lastEvent = keyEvent;
    m_iLastType = keyEvent->type();
    m_lastScanCode = native;
    m_lastTimestamp = keyEvent->timestamp();
    m_bLastSwallowed = bSwallow;
    return bSwallow;
}

std::unique_ptr<KeyboardHook> makeKeyboardHook()
{
    return std::make_unique<EventFilterKeyboardHook>();
}

} // namespace platform
